// The picture buttons: their pairs, the initial choices and the three selectors.
#include "app/kalvero.h"

#include "app/bitmap_resource.h"
#include "app/selection_tables.h"
#include "app/table_text.h"

#include <stdexcept>

namespace {

using zolk::ButtonGroup;
using zolk::kPictureButtons;
using zolk::PictureButtonIndex;
using zolk::TableText;

QImage LoadPicture(const QString& root, const QString& name) {
    QImage image = zolk::LoadBitmapResource(root + name);
    if (image.isNull())
        throw std::runtime_error("Resource " + name.toStdString() + " not found");
    return image;
}

} // namespace

PictureBox* TKalvero::Button(int index) const {
    return findChild<PictureBox*>(TableText(kPictureButtons[index].button));
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
        const QString base = TableText(row.resource);
        for (int down = 0; down < 2; ++down) {
            const int k = 2 * i + down;
            ButtonBitmaps[k] = LoadPicture(pictureRoot, base + (down ? "_DN" : "_UP"));
            ButtonPictures[k] = ButtonBitmaps[k];
        }
        const bool startsDown = row.group != ButtonGroup::Exit && row.code == StartCode(row.group);
        ShowPicture(i, startsDown);

        // The initial choices, set directly: the selectors would evaluate with E and L
        // still unset. The notes keep the captions of the form description.
        if (row.button == "Triangle") {
            SectionCode = zolk::kStartSection;
            Approx1->setVisible(true);
            Approx2->setVisible(true);
            ShowSectionFields(zolk::kStartSection);
        } else if (row.button == "BeampConc") {
            ShowLoadCaseControls(zolk::kStartLoadCase);
        } else if (row.button == "CantiConc") {
            LoadCase = zolk::kStartLoadCase;
        } else if (row.button == "BuckFree") {
            BucklingCase = zolk::kStartBuckling;
        }
    }
}

void TKalvero::ShowSectionFields(std::uint8_t code) {
    const auto& row = zolk::kSectionShapes[code];
    for (std::size_t g = 0; g < zolk::kDimensionGroups.size(); ++g)
        for (std::string_view name : zolk::kDimensionGroups[g])
            if (!name.empty())
                findChild<QWidget*>(TableText(name))->setVisible(row.groupShown[g]);
}

void TKalvero::ShowLoadCaseControls(std::uint8_t loadCase) {
    const auto& row = zolk::kLoadCases[loadCase];
    const std::array<bool, 4> shown{row.force, row.position, row.lineLoad, row.positionResult};
    for (std::size_t i = 0; i < zolk::kLoadCaseControls.size(); ++i)
        findChild<QWidget*>(TableText(zolk::kLoadCaseControls[i]))->setVisible(shown[i / 2]);
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
        Approx1->setText(TableText(row.approx1));
        Approx2->setText(TableText(row.approx2));
    } else {
        Approx1->setVisible(false);
        Approx2->setVisible(false);
    }
    ShowSectionFields(code);
    for (const auto& move : row.moves) {
        if (move.control.empty())
            break;
        QWidget* c = findChild<QWidget*>(TableText(move.control));
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
    ShowLoadCaseControls(loadCase);
    if (zolk::kLoadCases[loadCase].lineLoadInForceRow) {
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
