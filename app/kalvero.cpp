#include "app/kalvero.h"

#include "app/colours.h"
#include "app/palette_colours.h"
#include "app/selection_tables.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegion>

namespace {

// The window's outline, in window coordinates: a rectangle with cut corners.
constexpr std::array<QPoint, 16> kOutline{{{238, 125},
                                           {236, 126},
                                           {233, 129},
                                           {232, 131},
                                           {232, 964},
                                           {233, 966},
                                           {236, 969},
                                           {238, 970},
                                           {756, 970},
                                           {758, 969},
                                           {761, 966},
                                           {762, 964},
                                           {762, 131},
                                           {761, 129},
                                           {758, 126},
                                           {756, 125}}};

constexpr int kPageLeft = 245;
constexpr int kPageTop = 145;
constexpr int kPageWidth = 498;
constexpr int kPageHeight = 780;
constexpr int kTabLeft = 245;
constexpr int kTabPitch = 75;
constexpr int kTabTop = 130;
constexpr int kExitButton = zolk::PictureButtonIndex(zolk::ButtonGroup::Exit, 0);

} // namespace

TKalvero::TKalvero(QWidget* parent, const QString& pictureRoot) : QWidget(parent) {
    setupUi(this);
    zolk::ApplyDesignColours(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    LoadLogo(pictureRoot);
    WireEvents();

    SetWindowBoundsAndLayout();
    ShowPage(0);
    SetClientBounds(ZOLK, 243, 100);
    SetClientBounds(EXIT, 724, 106);
    SetWindowOutline();
    MakePicturePairs(pictureRoot);
    YoungsModulus = 210000.0;
    ElementLength = 100.0;
    EvaluateSection();
    EvaluateBuckling();
}

TKalvero::~TKalvero() {
    disconnect(qApp, nullptr, this, nullptr);
}

void TKalvero::SetClientBounds(QWidget* control, int left, int top) {
    control->move(left + kClientOrigin.x(), top + kClientOrigin.y());
}

std::array<QWidget*, 5> TKalvero::Pages() const {
    return {MaterialF, GeometryF, BendingF, BucklingF, DisclaimerF};
}

std::array<QWidget*, 5> TKalvero::Tabs() const {
    return {MaterialTab, GeometryTab, BendingTab, BucklingTab, DisclaimerTab};
}

void TKalvero::SetWindowBoundsAndLayout() {
    setGeometry(0, 0, 1600, 1200);
    for (QWidget* page : Pages()) {
        SetClientBounds(page, kPageLeft, kPageTop);
        page->resize(kPageWidth, kPageHeight);
    }
    const auto tabs = Tabs();
    for (int i = 0; i < 5; ++i)
        SetClientBounds(tabs[i], kTabLeft + kTabPitch * i, kTabTop);
}

void TKalvero::SetWindowOutline() {
    WindowRegion = QPolygon(QList<QPoint>(kOutline.begin(), kOutline.end()));
    setMask(QRegion(WindowRegion, Qt::OddEvenFill));
}

// Dragging the black surface moves the window; any mouse button.

void TKalvero::mousePressEvent(QMouseEvent* event) {
    OnDnMain(event->position().toPoint() - kClientOrigin);
}

void TKalvero::mouseMoveEvent(QMouseEvent* event) {
    OnMvMain(event->globalPosition().toPoint());
}

void TKalvero::mouseReleaseEvent(QMouseEvent*) {
    OnUpMain();
}

void TKalvero::OnDnMain(QPoint client) {
    Dragging = 1;
    DragOrigin = client;
}

// The window moves by the pointer's displacement, so the pointer keeps its place on the
// window: at DragOrigin. Reckoned from the pointer's screen position, because a motion
// event's window coordinates may still refer to where the window was before its last move.
void TKalvero::OnMvMain(QPoint screen) {
    if (Dragging != 1)
        return;
    move(screen - kClientOrigin - DragOrigin);
}

void TKalvero::OnUpMain() {
    Dragging = 0;
}

void TKalvero::OnClose() {
    close();
}

void TKalvero::OnExitDn() {
    ShowPicture(kExitButton, true);
}

void TKalvero::OnExitUp() {
    ShowPicture(kExitButton, false);
}

// Page tabs.

void TKalvero::ShowPage(std::int8_t page) {
    if (page < 0 || page > 4)
        return;
    switch (page) {
    case 1:
        EvaluateSection();
        break;
    case 2:
        EvaluateBending();
        break;
    case 3:
        EvaluateBuckling();
        break;
    default:
        break;
    }
    const auto pages = Pages();
    const auto tabs = Tabs();
    pages[page]->setVisible(true);
    zolk::SetBackgroundColour(tabs[page], zolk::colours::kShownTab);
    for (int q = 0; q < 5; ++q) {
        if (q == page)
            continue;
        pages[q]->setVisible(false);
        zolk::SetBackgroundColour(tabs[q], zolk::colours::kHiddenTab);
    }
}

void TKalvero::OnMaterialTab() {
    ShowPage(0);
}
void TKalvero::OnGeometryTab() {
    ShowPage(1);
}
void TKalvero::OnBendingTab() {
    ShowPage(2);
}
void TKalvero::OnBucklingTab() {
    ShowPage(3);
}
void TKalvero::OnDisclaimerTab() {
    ShowPage(4);
}

// A page's enter event: the input focus moves into the page from another control of the
// form. Focus coming back from another window (a message box) is no entry: the fault it
// showed would otherwise be shown again and again.
void TKalvero::OnFocusChanged(QWidget* old, QWidget* now) {
    if (!old || !now || old->window() != this || now->window() != this)
        return;
    const auto entered = [&](QWidget* page) {
        return page->isAncestorOf(now) && !page->isAncestorOf(old);
    };
    if (entered(GeometryF))
        OnGeometryEnter();
    else if (entered(BendingF))
        OnBendingEnter();
    else if (entered(BucklingF))
        OnBuckEnter();
}
