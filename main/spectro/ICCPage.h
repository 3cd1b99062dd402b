// The ICC conversion page of the spectro tab: the operator chooses a CMYK
// output profile and a rendering intent, measures a patch and reads its
// CIELAB values under D50, its screen colour and the C, M, Y, K percentages
// the profile gives for it.
#pragma once

#include "OutputProfile.h"  // ProfileDescription, ProfileClassAccepted

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;
class TData;
class TPageHost;

class TICCPage : public QObject {
    Q_OBJECT

public:
    // Builds the page's controls inside `page` (an empty page widget).
    TICCPage(TPageHost& host, QWidget* page, QObject* parent = nullptr);

    // Start-up state: intent "RELATIVE COLORIMETRIC"; the saved profile's
    // name and description when it is still a CMYK output profile.
    void InitControls();
    // Re-applies every translatable text (also done on a language change).
    void Retranslate();

    void SelICCbtnClick();
    void IntentCBChange();
    // Measurement handler while the page shows.
    void MeasureICCPage();
    // C, M, Y, K percentages of the record through the chosen profile.
    void ShowDeviceValues(TData* record);

    // Asks the operator for a profile file; an empty answer means cancelled.
    // A file dialog by default; tests put their own choice in its place.
    std::function<QString(const QString& folder, const QString& filter)> ChooseProfilePath;

    QPushButton* SelICCbtn = nullptr;
    QLabel* ProfileL = nullptr;
    QLabel* ProfileDL = nullptr;
    QComboBox* IntentCB = nullptr;
    QFrame* Panel = nullptr;
    QLabel *ICCLl = nullptr, *ICCal = nullptr, *ICCbl = nullptr;
    QFrame *ICCSh1 = nullptr, *ICCSh2 = nullptr;
    QLabel *CCs = nullptr, *MMs = nullptr, *YYs = nullptr, *KKs = nullptr;

    // The file filter handed to ChooseProfilePath (translated).
    QString ProfileFilter() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ShowProfile(const QString& path, const QString& description);

    TPageHost& Host;
    QWidget* Page;
    bool ProfileShown = false;
    QLabel *DescriptionCaption = nullptr, *IntentCaption = nullptr;
    QLabel *LCaption = nullptr, *ACaption = nullptr, *BCaption = nullptr;
    QLabel *CCaption = nullptr, *MCaption = nullptr, *YCaption = nullptr, *KCaption = nullptr;
};
