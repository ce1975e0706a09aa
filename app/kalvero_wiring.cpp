// Which control event calls which handler.
#include "app/kalvero.h"

#include "app/selection_tables.h"
#include "app/table_text.h"
#include "material/material.h"

#include <QApplication>
#include <QEvent>

void TKalvero::WireEvents() {
    connect(EXIT, &PictureBox::clicked, this, &TKalvero::OnClose);
    connect(EXIT, &PictureBox::pressed, this, &TKalvero::OnExitDn);
    connect(EXIT, &PictureBox::released, this, &TKalvero::OnExitUp);

    connect(MaterialTab, &Panel::mousePressed, this, &TKalvero::OnMaterialTab);
    connect(GeometryTab, &Panel::mousePressed, this, &TKalvero::OnGeometryTab);
    connect(BendingTab, &Panel::mousePressed, this, &TKalvero::OnBendingTab);
    connect(BucklingTab, &Panel::mousePressed, this, &TKalvero::OnBucklingTab);
    connect(DisclaimerTab, &Panel::mousePressed, this, &TKalvero::OnDisclaimerTab);

    for (QLineEdit* edit : SectionEdits())
        connect(edit, &QLineEdit::textChanged, this, &TKalvero::OnGeomChange);
    connect(Len, &QLineEdit::textChanged, this, &TKalvero::OnLengthChange);
    for (QLineEdit* edit : {Bending_F, Bending_q, Bending_s})
        connect(edit, &QLineEdit::textChanged, this, &TKalvero::OnBendingChange);
    connect(qApp, &QApplication::focusChanged, this, &TKalvero::OnFocusChanged);

    // The selectors act on the press of any mouse button.
    for (const auto& row : zolk::kPictureButtons) {
        PictureBox* button = findChild<PictureBox*>(zolk::TableText(row.button));
        const std::uint8_t code = row.code;
        switch (row.group) {
        case zolk::ButtonGroup::Section:
            connect(button, &PictureBox::pressed, this, [this, code] { SelectSection(code); });
            break;
        case zolk::ButtonGroup::LoadCase:
            connect(button, &PictureBox::pressed, this, [this, code] { SelectLoadCase(code); });
            break;
        case zolk::ButtonGroup::Buckling:
            connect(button, &PictureBox::pressed, this, [this, code] { SelectBucklingCase(code); });
            break;
        case zolk::ButtonGroup::Exit:
            break;
        }
    }

    // Material radio buttons: the press of any mouse button selects; so does checking
    // one from the keyboard, so that E always belongs to the material shown checked.
    for (const auto& material : zolk::kMaterials) {
        auto* radio = findChild<QRadioButton*>(zolk::TableText(material.radioButton));
        radio->installEventFilter(this);
        const std::uint8_t code = material.code;
        connect(radio, &QRadioButton::toggled, this, [this, code](bool checked) {
            if (checked)
                SelectMaterial(code);
        });
    }
    Mat_Youngs->installEventFilter(this);
    connect(Mat_Youngs, &QLineEdit::textChanged, this, &TKalvero::OnCustomChange);
}

bool TKalvero::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool release = type == QEvent::MouseButtonRelease;
    if (watched == Mat_Youngs) {
        if (press || release)
            OnCustom();
    } else if (press) {
        if (auto* radio = qobject_cast<QRadioButton*>(watched)) {
            for (const auto& material : zolk::kMaterials)
                if (radio->objectName() == zolk::TableText(material.radioButton)) {
                    // Any button checks it, so the radio shown always matches E; checking
                    // selects the material through the toggled connection above.
                    if (radio->isChecked())
                        SelectMaterial(material.code);
                    else
                        radio->setChecked(true);
                }
        }
    }
    return QWidget::eventFilter(watched, event);
}
