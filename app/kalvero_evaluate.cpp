// The evaluations: read the controls, call the numeric core, write the controls.
#include "app/kalvero.h"

#include "app/colours.h"
#include "app/messages.h"
#include "app/palette_colours.h"
#include "bending/bending.h"
#include "buckling/buckling.h"
#include "material/material.h"
#include "number/number.h"
#include "section/section.h"

#include <string>

namespace {

QString Exponent(double value) {
    return QString::fromStdString(zolk::FormatExponent(value));
}

const QColor& FieldColour(bool valid) {
    return valid ? zolk::colours::kValidField : zolk::colours::kInvalidField;
}

} // namespace

std::array<QLineEdit*, 7> TKalvero::SectionEdits() const {
    return {h, w, t1, t2, r1, r2, s};
}

void TKalvero::ReportFault(zolk::Fault fault) {
    if (fault == zolk::Fault::None)
        return;
    const std::string_view message = zolk::FaultMessage(fault);
    zolk::ShowMessage(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

void TKalvero::EvaluateSection() {
    const auto edits = SectionEdits();
    std::array<std::string, zolk::kSectionFieldCount> texts;
    zolk::SectionTexts views;
    for (int i = 0; i < zolk::kSectionFieldCount; ++i) {
        texts[i] = edits[i]->text().toStdString();
        views[i] = texts[i];
    }
    const zolk::SectionResult result = zolk::EvaluateSectionTexts(views, SectionCode);
    for (int i = 0; i < zolk::kSectionFieldCount; ++i)
        zolk::SetEditColour(edits[i], FieldColour(result.valid[i]));

    SectionArea = result.values.area;
    SectionInertia = result.values.inertia;
    SectionModulus = result.values.modulus;
    PolarInertia = result.values.polarInertia;
    PolarModulus = result.values.polarModulus;
    Geom_Area->setText(Exponent(SectionArea));
    Geom_Inertia->setText(Exponent(SectionInertia));
    Geom_Modulus->setText(Exponent(SectionModulus));
    Geom_PolarIn->setText(Exponent(PolarInertia));
    Geom_PolarMod->setText(Exponent(PolarModulus));
    ReportFault(result.fault);
}

void TKalvero::OnLengthChange() {
    const zolk::LengthResult length = zolk::ReadLength(Len->text().toStdString());
    ElementLength = length.value;
    zolk::SetEditColour(Len, FieldColour(length.valid));
}

void TKalvero::EvaluateBending() {
    const std::string force = Bending_F->text().toStdString();
    const std::string position = Bending_s->text().toStdString();
    const std::string lineLoad = Bending_q->text().toStdString();
    const zolk::BendingResult result =
        zolk::EvaluateBendingTexts({force, position, lineLoad}, LoadCase,
                                   {YoungsModulus, SectionInertia, SectionModulus, ElementLength});
    zolk::SetEditColour(Bending_F, FieldColour(result.forceValid));
    zolk::SetEditColour(Bending_s, FieldColour(result.positionValid));
    zolk::SetEditColour(Bending_q, FieldColour(result.lineLoadValid));

    MaxMoment = result.moment;
    MaxStress = result.stress;
    MaxDeflection = result.deflection;
    Bending_M->setText(Exponent(MaxMoment));
    Bending_sig->setText(Exponent(MaxStress));
    Bending_delta->setText(Exponent(MaxDeflection));
    Bending_xm->setText(QString::fromStdString(zolk::FormatFixed(result.position)));
    ReportFault(result.fault);
}

void TKalvero::EvaluateBuckling() {
    const zolk::BucklingResult result = zolk::EvaluateEuler(
        BucklingCase, YoungsModulus, SectionInertia, SectionArea, ElementLength);
    CriticalLoad = result.criticalLoad;
    BucklingStress = result.stress;
    Buck_Load->setText(Exponent(CriticalLoad));
    Buck_Stress->setText(Exponent(BucklingStress));
    ReportFault(result.fault);
}

void TKalvero::SelectMaterial(std::uint8_t code) {
    if (code >= zolk::kMaterials.size())
        return;
    if (code != zolk::kCustomMaterial) {
        YoungsModulus = zolk::kMaterials[code].modulus;
        return;
    }
    const zolk::ModulusResult custom = zolk::ReadCustomModulus(Mat_Youngs->text().toStdString());
    YoungsModulus = custom.value;
    zolk::SetEditColour(Mat_Youngs, FieldColour(custom.valid));
}

void TKalvero::OnCustom() {
    SelectMaterial(zolk::kCustomMaterial);
    RCustom->setChecked(true);
}

void TKalvero::OnCustomChange() {
    OnCustom();
}

void TKalvero::OnGeomChange() {
    EvaluateSection();
}
void TKalvero::OnGeometryEnter() {
    EvaluateSection();
}
void TKalvero::OnBendingChange() {
    EvaluateBending();
}
void TKalvero::OnBendingEnter() {
    EvaluateBending();
}
void TKalvero::OnBuckEnter() {
    EvaluateBuckling();
}
