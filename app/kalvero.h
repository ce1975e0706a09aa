#pragma once
// The main form: every control of the form description, the element state, and the
// operations that move data between the controls and the numeric core.
#include "number/fault.h"
#include "ui_kalvero.h"

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <array>
#include <cstdint>

class QLineEdit;

// The controls are the public members inherited from the form description, each
// named as its control.
class TKalvero : public QWidget, public Ui::Kalvero {
    Q_OBJECT

  public:
    static constexpr int kPictureCount = 54;

    // Pictures are loaded from pictureRoot + resource name. Throws
    // std::runtime_error("Resource NAME not found") when one is missing.
    explicit TKalvero(QWidget* parent = nullptr,
                      const QString& pictureRoot = QStringLiteral(":/pictures/"));
    // Stops the application's focus signal first: the base destructor still moves focus.
    ~TKalvero() override;

    // Operations.
    void ShowPage(std::int8_t page);
    void SelectSection(std::uint8_t code);
    void EvaluateSection();
    void SelectMaterial(std::uint8_t code);
    void SelectLoadCase(std::uint8_t loadCase);
    void EvaluateBending();
    void SelectBucklingCase(std::uint8_t bucklingCase);
    void EvaluateBuckling();

    // Element state.
    QPolygon WindowRegion;
    std::int32_t Dragging = 0;
    QPoint DragOrigin;
    // UP then DN of each picture button; a picture shares the pixels of its bitmap.
    std::array<QImage, kPictureCount> ButtonPictures;
    std::array<QImage, kPictureCount> ButtonBitmaps; // as loaded
    double YoungsModulus = 0;
    double PolarModulus = 0;
    double PolarInertia = 0;
    double SectionModulus = 0;
    double SectionInertia = 0;
    double SectionArea = 0;
    double MaxMoment = 0;
    double MaxStress = 0;
    double MaxDeflection = 0;
    double CriticalLoad = 0;
    double BucklingStress = 0;
    double ElementLength = 0;
    std::uint8_t SectionCode = 0;
    std::uint8_t BucklingCase = 0;
    std::uint8_t LoadCase = 0;

    // Where the client area lies in window coordinates: there is no platform frame.
    static constexpr QPoint kClientOrigin{3, 29};

  public slots:
    // Frame.
    void OnClose();
    void OnExitDn();
    void OnExitUp();
    // Tabs.
    void OnMaterialTab();
    void OnGeometryTab();
    void OnBendingTab();
    void OnBucklingTab();
    void OnDisclaimerTab();
    // Geometry page.
    void OnGeomChange();
    void OnGeometryEnter();
    void OnLengthChange();
    // Bending page.
    void OnBendingChange();
    void OnBendingEnter();
    // Buckling page.
    void OnBuckEnter();
    // Material page.
    void OnCustom();
    void OnCustomChange();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The form's own surface: the black margin and the gaps between the tabs.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void OnDnMain(QPoint client);
    void OnMvMain(QPoint screen);
    void OnUpMain();

    void SetClientBounds(QWidget* control, int left, int top);
    void SetWindowBoundsAndLayout();
    void SetWindowOutline();
    void LoadLogo(const QString& pictureRoot);
    void MakePicturePairs(const QString& pictureRoot);
    void ShowPicture(int button, bool down);
    PictureBox* Button(int index) const;
    void WireEvents();
    void OnFocusChanged(QWidget* old, QWidget* now);
    void ReportFault(zolk::Fault fault);

    std::array<QLineEdit*, 7> SectionEdits() const;
    // By page index.
    std::array<QWidget*, 5> Pages() const;
    std::array<QWidget*, 5> Tabs() const;
    // The visible fields and notes of a shape, and the visible controls of a load case.
    void ShowSectionFields(std::uint8_t code);
    void ShowLoadCaseControls(std::uint8_t loadCase);
};
