#pragma once
// Shared helpers of the window tests: finding controls, reading colours, real events.
#include "app/kalvero.h"

#include <QColor>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QWidget;

namespace guitest {

// A fresh form, shown and exposed, with the message record cleared; null if it never
// became exposed.
std::unique_ptr<TKalvero> ShowNewForm();

// The page panels and their tabs, by page index.
inline constexpr std::array<const char*, 5> kPages{"MaterialF", "GeometryF", "BendingF",
                                                   "BucklingF", "DisclaimerF"};
inline constexpr std::array<const char*, 5> kTabs{"MaterialTab", "GeometryTab", "BendingTab",
                                                  "BucklingTab", "DisclaimerTab"};

// Records every message the form shows instead of opening a modal box.
QStringList& Messages();
void InstallMessageRecorder();

template <class T = QWidget> T* Find(TKalvero& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
}

QColor Background(const QWidget* widget); // Base for edits, Window otherwise
QString Text(TKalvero& form, const char* label);

// Replaces the whole text of an edit by typing it, key by key.
void Retype(QLineEdit* edit, const QString& text);
void Press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);

// Index of the picture the button shows in form.ButtonPictures, or -1.
int ShownPicture(TKalvero& form, const char* button);
bool ShowsDown(TKalvero& form, const char* button);

inline const QColor kValid(192, 192, 192);
inline const QColor kInvalid(255, 0, 128);

} // namespace guitest

namespace guitest {

// The labels a fresh core evaluation of the page's current texts and the element state
// gives, in the order of the page's result labels.
QStringList FreshGeometry(TKalvero& form);
QStringList FreshBending(TKalvero& form);
QStringList FreshBuckling(TKalvero& form);
QStringList Labels(TKalvero& form, const QStringList& names);

inline const QStringList kGeometryLabels{"Geom_Area", "Geom_Inertia", "Geom_Modulus",
                                         "Geom_PolarIn", "Geom_PolarMod"};
inline const QStringList kBendingLabels{"Bending_M", "Bending_sig", "Bending_delta", "Bending_xm"};
inline const QStringList kBucklingLabels{"Buck_Load", "Buck_Stress"};

// Visible within its page, whether or not the page is shown.
bool ShownOnPage(TKalvero& form, const QString& name);

} // namespace guitest
