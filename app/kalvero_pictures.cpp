// The picture buttons: their pairs, the initial choices and the three selectors.
#include "app/kalvero.h"

#include "app/bitmap_resource.h"
#include "app/selection_tables.h"

#include <stdexcept>

namespace {

using zolk::ButtonGroup;
using zolk::kPictureButtons;
using zolk::PictureButtonIndex;

QImage LoadPicture(const QString& root, const QString& name) {
    QImage image = zolk::LoadBitmapResource(root + name);
    if (image.isNull())
        throw std::runtime_error("Resource " + name.toStdString() + " not found");
    return image;
}

QString Name(std::string_view text) {
    return QString::fromLatin1(text.data(), text.size());
}

} // namespace

PictureBox* TKalvero::Button(int index) const {
    return findChild<PictureBox*>(Name(kPictureButtons[index].button));
}

void TKalvero::ShowPicture(int button, bool down) {
    Button(button)->setPicture(ButtonPictures[2 * button + (down ? 1 : 0)]);
}

void TKalvero::LoadLogo(const QString& pictureRoot) {
    ZOLK->setPicture(LoadPicture(pictureRoot, QStringLiteral("ZOLK")));
}

void TKalvero::MakePicturePairs(const QString& pictureRoot) {
    for (int i = 0; i < static_cast<int>(kPictureButtons.size()); ++i) {
        const auto& row = kPictureButtons[i];
        const QString base = Name(row.resource);
        for (int down = 0; down < 2; ++down) {
            const int k = 2 * i + down;
            ButtonBitmaps[k] = LoadPicture(pictureRoot, base + (down ? "_DN" : "_UP"));
            ButtonPictures[k] = ButtonBitmaps[k];
        }
        const bool startsDown = (row.group == ButtonGroup::Section && row.code == 2) ||
                                (row.group == ButtonGroup::LoadCase && row.code == 4) ||
                                (row.group == ButtonGroup::Buckling && row.code == 0);
        ShowPicture(i, startsDown);

        // The initial choices, set directly: the selectors would evaluate with E and L
        // still unset.
        if (row.button == "Triangle") {
            SectionCode = 2;
            for (QWidget* c : {static_cast<QWidget*>(Approx1), static_cast<QWidget*>(Approx2),
                               static_cast<QWidget*>(hLabel), static_cast<QWidget*>(h),
                               static_cast<QWidget*>(wLabel), static_cast<QWidget*>(w)})
                c->setVisible(true);
            for (QWidget* c : {static_cast<QWidget*>(t1Label), static_cast<QWidget*>(t1),
                               static_cast<QWidget*>(t2Label), static_cast<QWidget*>(t2),
                               static_cast<QWidget*>(r1Label), static_cast<QWidget*>(r1),
                               static_cast<QWidget*>(r2Label), static_cast<QWidget*>(r2),
                               static_cast<QWidget*>(sLabel), static_cast<QWidget*>(s)})
                c->setVisible(false);
        } else if (row.button == "BeampConc") {
            FLabel->setVisible(true);
            Bending_F->setVisible(true);
            for (QWidget* c : {static_cast<QWidget*>(PosLabel), static_cast<QWidget*>(Bending_s),
                               static_cast<QWidget*>(qLabel), static_cast<QWidget*>(Bending_q),
                               static_cast<QWidget*>(Pos2Label), static_cast<QWidget*>(Bending_xm)})
                c->setVisible(false);
        } else if (row.button == "CantiConc") {
            LoadCase = 4;
        } else if (row.button == "BuckFree") {
            BucklingCase = 0;
        }
    }
}

void TKalvero::SelectSection(std::uint8_t code) {
    if (code >= zolk::kSectionShapes.size())
        return;
    ShowPicture(PictureButtonIndex(ButtonGroup::Section, SectionCode), false);
    Approx1->setVisible(true);
    Approx2->setVisible(true);
    Approx1->setText(QStringLiteral("Approximation!"));
    Approx2->setText(QStringLiteral(" "));

    const auto& row = zolk::kSectionShapes[code];
    ShowPicture(PictureButtonIndex(ButtonGroup::Section, code), true);
    if (row.notesShown) {
        Approx1->setText(Name(row.approx1));
        Approx2->setText(Name(row.approx2));
    } else {
        Approx1->setVisible(false);
        Approx2->setVisible(false);
    }
    for (std::size_t g = 0; g < zolk::kDimensionGroups.size(); ++g)
        for (std::string_view name : zolk::kDimensionGroups[g])
            if (!name.empty())
                findChild<QWidget*>(Name(name))->setVisible(row.groupShown[g]);
    for (const auto& move : row.moves) {
        if (move.control.empty())
            break;
        QWidget* c = findChild<QWidget*>(Name(move.control));
        c->move(move.x, c->y());
    }
    SectionCode = code;
    EvaluateSection();
}

void TKalvero::SelectLoadCase(std::uint8_t loadCase) {
    if (loadCase >= zolk::kLoadCases.size())
        return;
    ShowPicture(PictureButtonIndex(ButtonGroup::LoadCase, LoadCase), false);
    ShowPicture(PictureButtonIndex(ButtonGroup::LoadCase, loadCase), true);
    const auto& row = zolk::kLoadCases[loadCase];
    const std::array<bool, 4> shown{row.force, row.position, row.lineLoad, row.positionResult};
    for (std::size_t i = 0; i < zolk::kLoadCaseControls.size(); ++i)
        findChild<QWidget*>(Name(zolk::kLoadCaseControls[i]))->setVisible(shown[i / 2]);
    if (row.lineLoadInForceRow) {
        qLabel->move(qLabel->x(), zolk::kForceRowTop);
        Bending_q->move(Bending_q->x(), zolk::kForceRowTop);
    }
    LoadCase = loadCase;
    EvaluateBending();
}

void TKalvero::SelectBucklingCase(std::uint8_t bucklingCase) {
    if (bucklingCase >= 4)
        return;
    ShowPicture(PictureButtonIndex(ButtonGroup::Buckling, BucklingCase), false);
    ShowPicture(PictureButtonIndex(ButtonGroup::Buckling, bucklingCase), true);
    BucklingCase = bucklingCase;
    EvaluateBuckling();
}
