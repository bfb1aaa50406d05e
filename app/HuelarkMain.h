#pragma once
// The main window: the RGB editor, the live sampler of the pixel under the
// pointer with its magnifier and readouts, the zoom view, the pick button
// and the two picker pages. Everything runs from two 25 ms timers on the UI
// thread; the pick overlay is a modal window the timers keep ticking through.
#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

#include "colour/ColorTypes.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QMenu;
class QAction;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimer;
class TPaintBox;
class TPanel;
class TUpDown;
class TPickButton;
class TImage;
class TOptForm;
class TAboutBox;
class TqvDeskPickerButton;
class THSLRingPicker;
class THexaColorPicker;
class THColorPicker;

// Where the sampling method is kept.
inline constexpr const char* kSettingsKey = "Software\\RGB Colour Picker";
inline constexpr const char* kMethodValue = "Method";

class TMainForm : public QWidget {
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Controls, by the names the window's layout gives them.
    QMenuBar* TeMenuBar1 = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* CopyMenu = nullptr;
    QAction* OptionsItem = nullptr;
    QAction* CustomItem2 = nullptr; // File > Exit
    QAction* CustomItem4 = nullptr; // Copy HTML
    QAction* CustomItem5 = nullptr; // Delphi
    QAction* CustomItem6 = nullptr; // Red Green Blue
    QAction* CustomItem7 = nullptr; // About
    QSlider* TrackR = nullptr;
    QSlider* TrackG = nullptr;
    QSlider* TrackB = nullptr;
    TPanel* PanelR = nullptr;
    TPanel* PanelG = nullptr;
    TPanel* PanelB = nullptr;
    TPaintBox* RedBox = nullptr;
    TPaintBox* GreenBox = nullptr;
    TPaintBox* BlueBox = nullptr;
    QLineEdit* EditR = nullptr;
    QLineEdit* EditG = nullptr;
    QLineEdit* EditB = nullptr;
    TUpDown* UpDownR = nullptr;
    TUpDown* UpDownG = nullptr;
    TUpDown* UpDownB = nullptr;
    TPanel* MagPnl = nullptr;
    TPaintBox* MagBox = nullptr;
    TPanel* Panel2 = nullptr;
    TImage* Image1 = nullptr;
    TPanel* Panel1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QSlider* Slider = nullptr;
    std::array<QLabel*, 6> SliderLabels{};
    QCheckBox* cbSrediste = nullptr;
    QLabel* CoordsLbl = nullptr;
    QLabel* HexOutLbl = nullptr;
    QLineEdit* HexOutEdit = nullptr;
    QLabel* DecOutLbl = nullptr;
    QLineEdit* DecOutEdit = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* LabelNetscapeColor = nullptr;
    TPickButton* suiButton1 = nullptr;
    TqvDeskPickerButton* qvDeskPickerButton1 = nullptr;
    QPushButton* PFSBtn = nullptr;
    QPushButton* OptBtn = nullptr;
    TPanel* ColourBvl = nullptr;
    TPaintBox* ColourPnl = nullptr;
    TPaintBox* SolidColPnl = nullptr;
    QTabWidget* suiPageControl1 = nullptr;
    QWidget* suiTabSheet1 = nullptr;
    QWidget* suiTabSheet2 = nullptr;
    THSLRingPicker* HSLRingPicker1 = nullptr;
    THexaColorPicker* HexaColorPicker1 = nullptr;
    THColorPicker* HColorPicker1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QTimer* PickTmr = nullptr;
    QTimer* Timer1 = nullptr;

    // The dialogs the program creates hidden at start-up.
    void SetDialogs(TOptForm* options, TAboutBox* about);

    // Handlers.
    void FormCreate();
    void FormClose();
    void AppDeactivate();
    void SizeSampleBitmap(int method);
    void TrackChange(QObject* Sender);
    void ColEditChange(QObject* Sender);
    void OutBoxPaint(TPaintBox* Sender);
    void DrawGradientBar(int channel);
    void ColourPnlPaint(TPaintBox* Sender);
    void SolidColPnlPaint(TPaintBox* Sender);
    void SolidColPnlDblClick(TPaintBox* Sender);
    void PickTmrTimer();
    void MagBoxPaint(TPaintBox* Sender);
    void suiButton1Click();
    void suiButton1MouseUp(Qt::MouseButton button);
    void qvDeskPickerButton1MouseUp(Qt::MouseButton button);
    void PFSBtnClick();
    void Timer1Timer();
    void OptBtnClick();
    void CustomItem2Click();
    void CustomItem4Click();
    void CustomItem5Click();
    void CustomItem6Click();
    void CustomItem7Click();

    // State the handlers share.
    std::uint8_t SampleMethod() const { return FSampleMethod; }
    std::uint8_t StoredMethod() const { return FStoredMethod; }
    const QImage& SampleBitmap() const { return FSampleBitmap; }
    const std::string& ColorName() const { return FColorName; }
    bool Picking() const;
    // The editor colour: red + 256 green + 65536 blue.
    TColor EditorColor() const;
    // How often each gradient bar has been drawn (index 1..3).
    int GradientDraws(int channel) const { return gradientDraws_[channel]; }
    // The source rectangle and crosshair centre of the last zoom tick
    // (physical screen pixels and image pixels).
    QRect ZoomSource() const { return zoomSource_; }
    QPoint CrosshairCentre() const { return crosshair_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void BuildMenu();
    void BuildEditor();
    void BuildSampler();
    void BuildPages();
    void WMButtonDown();
    void ShowReadouts(TColor P);
    // Step 7 of the readouts: every picker follows the sampled colour.
    void HandColourToPickers(TColor P);
    void CopyText(QLineEdit* source);
    void StretchSample(int width, int height);

    std::uint8_t FSampleMethod = 0;
    std::uint8_t FStoredMethod = 0;
    QImage FSampleBitmap;
    QImage FGradientBitmap;
    bool FScreenHeld = false; // the screen source, held from creation to close
    std::string FColorName;

    TOptForm* optForm_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    std::array<int, 4> gradientDraws_{};
    QRect zoomSource_;
    QPoint crosshair_;
    // The editor colour when a pick began, for putting it back on a cancel.
    TColor colourBeforePick_ = 0;
    bool pickCancelled_ = false;
    bool closed_ = false;
    QImage lastSampleDrawn_;
    QImage zoomDrawnFrom_;
    QRect zoomDrawnSource_;
    bool zoomDrawnCrosshair_ = false;
};
