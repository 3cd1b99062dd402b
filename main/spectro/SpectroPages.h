// TSpectroPages: the measuring pages of the spectro tab but ICC conversion
// (Colorimetry, Reflectance, delta L-a-b, CieLab, Visual match) and the
// viewing-condition choosers of the spectro settings page. It builds the
// pages inside the empty page widgets the main window gives it, runs the
// spectro measurement handler and copies the pages' figures
// (ColorimetryModel.h, VisualMatchModel.h) and charts (Graphs01) onto them.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class TCanvas;
class TColorSwatch;
class TData;
class TPageHost;
class TPaintBox;
class TSwatchArrow;

// The choosers of the spectro settings page (they belong to the Setup tab).
struct TSpectroChoosers {
    QComboBox* SpColCB = nullptr;
    QComboBox* IllCB = nullptr;
    QComboBox* ObsCB = nullptr;
};

class TSpectroPages : public QObject {
    Q_OBJECT
public:
    // Page indexes of the spectro page control.
    enum TPageIndex {
        ColorimetryPage = 0, ReflectancePage = 1, DeltaLabPage = 2, CieLabPage = 3, ICCPage = 4,
        VisualMatchPage = 5
    };

    // Builds the pages but ICC conversion inside `pages` and wires the choosers.
    TSpectroPages(TPageHost& host, const std::array<QWidget*, 6>& pages, const TSpectroChoosers& choosers,
                  QObject* parent = nullptr);
    ~TSpectroPages() override;

    // Start-up: the choosers of the pages take their settings, the captions
    // follow the current colour space, the figures show the records.
    void InitControls();
    // Every text of the pages in the current language.
    void Retranslate();

    // The measurement handler of every spectro page but ICC conversion.
    void MeasureSpectroPage();
    void ShowColorimetry();
    void ShowSpaceCaptions();
    void ShowVisualMatch();
    void DrawReflectanceChart();

    // Chooser handlers (the operator's choices).
    void SpColCBChange(int index);
    void IllCBChange(int index);
    void ObsCBChange(int index);
    void MetIllCbChange(int index);
    void VisIllCB1Change(int index);
    void VisIllCB2Change(int index);
    void VisIllCB3Change(int index);

    // Paint handlers of the chart areas and the read-out.
    void PBX1Paint(TCanvas& canvas);
    void PBXabPaint(TCanvas& canvas);
    void PBXdlPaint(TCanvas& canvas);
    void PBCirclePaint(TCanvas& canvas);
    void PBX1MouseMove(Qt::KeyboardModifiers keys, int x, int y);

    // The record measured last on these pages; nullptr before the first.
    TData* LastMeasured() const { return Last; }

    // Status panel 2 must show the new viewing conditions (the main window's).
    std::function<void()> ConditionsChanged;

    // Colorimetry
    TColorSwatch *SHref = nullptr, *ShMeas = nullptr;
    QWidget *PanelC = nullptr, *PanelM = nullptr, *PanelD = nullptr;
    std::array<QLabel*, 5> CoordCaptionRef{};   // L01 .. L05
    std::array<QLabel*, 5> CoordCaptionMeas{};  // L11 .. L15
    std::array<QLabel*, 5> DeltaCaption{};      // L21 .. L25
    std::array<QLabel*, 5> RefValue{};          // LC01 .. LC05
    std::array<QLabel*, 5> MeasValue{};         // LM01 .. LM05
    std::array<QLabel*, 5> DeltaValue{};        // LD01 .. LD05
    TSwatchArrow *RefArrow = nullptr, *MeasArrow = nullptr;
    QPushButton *MeasRefBtn = nullptr, *MeasSamBtn = nullptr;
    QButtonGroup* MeasureButtons = nullptr;
    QLabel *LdE = nullptr, *deL = nullptr, *Label11 = nullptr, *IML11 = nullptr;
    QComboBox* MetIllCb = nullptr;
    // Reflectance
    TPaintBox* PBX1 = nullptr;
    QLabel *LL = nullptr, *LdE1 = nullptr, *DeL1 = nullptr, *IML1 = nullptr;
    // delta L-a-b, CieLab
    TPaintBox *PBXab = nullptr, *PBXdl = nullptr, *PBCircle = nullptr;
    // Visual match
    std::array<QComboBox*, 3> VisIllCB{};
    std::array<TColorSwatch*, 3> VisSwatch{};  // SHM1, ShM2, ShM3

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildColorimetryPage(QWidget* page);
    void BuildReflectancePage(QWidget* page);
    void BuildDeltaLabPage(QWidget* page);
    void BuildCieLabPage(QWidget* page);
    void BuildVisualMatchPage(QWidget* page);
    void ConnectControls();
    // The common end of the three viewing-condition choosers.
    void ViewingConditionsChanged();
    void VisIllChange(int k, int index);

    TPageHost& Host;
    TSpectroChoosers Choosers;
    QWidget* ColorimetryPageWidget = nullptr;
    TData* Last = nullptr;
    // Fixed texts and where they go, so a change of language reaches them.
    std::vector<std::pair<QLabel*, std::function<QString()>>> FixedLabels;
    std::vector<std::pair<QPushButton*, std::function<QString()>>> FixedButtons;
};
