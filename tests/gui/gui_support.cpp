#include "gui_support.h"

#include "app/messages.h"
#include "app/panel.h"
#include "app/picture_box.h"
#include "app/selection_tables.h"

#include <QLabel>
#include <QtTest>

namespace guitest {

QStringList& Messages() {
    static QStringList messages;
    return messages;
}

std::unique_ptr<TKalvero> ShowNewForm() {
    Messages().clear();
    auto form = std::make_unique<TKalvero>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    return form;
}

void InstallMessageRecorder() {
    zolk::SetMessageHandler([](const QString& text) { Messages().append(text); });
}

QColor Background(const QWidget* widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->palette().color(QPalette::Base);
    return widget->palette().color(QPalette::Window);
}

QString Text(TKalvero& form, const char* label) {
    return Find<QLabel>(form, label)->text();
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void Press(QWidget* widget, Qt::MouseButton button) {
    QTest::mousePress(widget, button, {}, QPoint(3, 3));
    QTest::mouseRelease(widget, button, {}, QPoint(3, 3));
}

int ShownPicture(TKalvero& form, const char* button) {
    const qint64 key = Find<PictureBox>(form, button)->picture().cacheKey();
    for (int i = 0; i < TKalvero::kPictureCount; ++i)
        if (form.ButtonPictures[i].cacheKey() == key)
            return i;
    return -1;
}

bool ShowsDown(TKalvero& form, const char* button) {
    const int shown = ShownPicture(form, button);
    if (shown < 0)
        return false;
    return shown % 2 == 1 && zolk::kPictureButtons[shown / 2].button == button;
}

} // namespace guitest

#include "bending/bending.h"
#include "buckling/buckling.h"
#include "number/number.h"
#include "section/section.h"

namespace guitest {

namespace {

QString Exponent(double value) {
    return QString::fromStdString(zolk::FormatExponent(value));
}

std::string EditText(TKalvero& form, const char* name) {
    return Find<QLineEdit>(form, name)->text().toStdString();
}

} // namespace

QStringList FreshGeometry(TKalvero& form) {
    std::array<std::string, 7> texts;
    zolk::SectionTexts views;
    const char* names[] = {"h", "w", "t1", "t2", "r1", "r2", "s"};
    for (int i = 0; i < 7; ++i) {
        texts[i] = EditText(form, names[i]);
        views[i] = texts[i];
    }
    const auto r = zolk::EvaluateSectionTexts(views, form.SectionCode).values;
    return {Exponent(r.area), Exponent(r.inertia), Exponent(r.modulus), Exponent(r.polarInertia),
            Exponent(r.polarModulus)};
}

QStringList FreshBending(TKalvero& form) {
    const std::string f = EditText(form, "Bending_F"), s = EditText(form, "Bending_s"),
                      q = EditText(form, "Bending_q");
    const auto r = zolk::EvaluateBendingTexts(
        {f, s, q}, form.LoadCase,
        {form.YoungsModulus, form.SectionInertia, form.SectionModulus, form.ElementLength});
    return {Exponent(r.moment), Exponent(r.stress), Exponent(r.deflection),
            QString::fromStdString(zolk::FormatFixed(r.position))};
}

QStringList FreshBuckling(TKalvero& form) {
    const auto r = zolk::EvaluateEuler(form.BucklingCase, form.YoungsModulus, form.SectionInertia,
                                       form.SectionArea, form.ElementLength);
    return {Exponent(r.criticalLoad), Exponent(r.stress)};
}

QStringList Labels(TKalvero& form, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names)
        texts << form.findChild<QLabel*>(name)->text();
    return texts;
}

bool ShownOnPage(TKalvero& form, const QString& name) {
    QWidget* widget = form.findChild<QWidget*>(name);
    QWidget* page = widget->parentWidget();
    while (page && !qobject_cast<Panel*>(page))
        page = page->parentWidget();
    return widget->isVisibleTo(page);
}

} // namespace guitest
