#include "app/HuelarkMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

#include <cmath>

#include "app/About.h"
#include "app/AppIcon.h"
#include "app/Controls.h"
#include "app/HuelarkOpt.h"
#include "app/Readouts.h"
#include "app/Zoom.h"
#include "colour/ColorPacking.h"
#include "colour/HintFormat.h"
#include "pickers/HColorPicker.h"
#include "pickers/HSLRingPicker.h"
#include "pickers/HexaColorPicker.h"
#include "sampling/qvDeskPickerButton.h"
#include "platform/ScreenSource.h"
#include "platform/SettingsStore.h"

namespace {

QFont PixelFont(int pixelHeight, bool bold = false, bool fixedPitch = false)
{
    QFont f = QApplication::font();
    if (fixedPitch) {
        f.setFamily("Courier");
        f.setStyleHint(QFont::Monospace);
        f.setFixedPitch(true);
    }
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

void SetTextIfChanged(QLineEdit* e, const QString& t)
{
    if (e->text() != t)
        e->setText(t);
}

void SetTextIfChanged(QLabel* l, const QString& t)
{
    if (l->text() != t)
        l->setText(t);
}

QSlider* MakeTrack(QWidget* parent, int x, int y, int tag)
{
    auto* t = new QSlider(Qt::Horizontal, parent);
    t->setGeometry(x, y, 150, 25);
    t->setRange(0, 255);
    t->setSingleStep(4);
    t->setPageStep(16);
    t->setTickPosition(QSlider::NoTicks);
    SetTag(t, tag);
    return t;
}

QLineEdit* MakeChannelEdit(QWidget* parent, int y, int tag, const char* back, const char* text)
{
    auto* e = new QLineEdit("0", parent);
    e->setGeometry(162, y, 33, 21);
    e->setMaxLength(3);
    e->setStyleSheet(QString("QLineEdit { background: %1; color: %2; }").arg(back, text));
    SetTag(e, tag);
    return e;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent)
{
    setWindowTitle("Tinquor 1.0");
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(520, 402);
    setFont(PixelFont(11));
    setAutoFillBackground(true);

    BuildMenu();
    BuildEditor();
    BuildSampler();
    BuildPages();

    PickTmr = new QTimer(this);
    PickTmr->setInterval(25);
    connect(PickTmr, &QTimer::timeout, this, [this] { PickTmrTimer(); });
    Timer1 = new QTimer(this);
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    FormCreate();

    CentreOnScreen(this);

    PickTmr->start();
    Timer1->start();
}

TMainForm::~TMainForm()
{
    if (!closed_)
        FormClose();
}

void TMainForm::SetDialogs(TOptForm* options, TAboutBox* about)
{
    optForm_ = options;
    aboutBox_ = about;
}

void TMainForm::BuildMenu()
{
    TeMenuBar1 = new QMenuBar(this);
    TeMenuBar1->setNativeMenuBar(false);
    TeMenuBar1->setGeometry(0, 0, 520, 21);
    FileMenu = TeMenuBar1->addMenu("File");
    OptionsItem = FileMenu->addAction("Options...");
    CustomItem2 = FileMenu->addAction("Exit");
    CopyMenu = TeMenuBar1->addMenu("Copy To ClipBoard");
    CustomItem4 = CopyMenu->addAction("Copy HTML");
    CustomItem5 = CopyMenu->addAction("Delphi");
    CustomItem6 = CopyMenu->addAction("Red Green Blue");
    CustomItem7 = TeMenuBar1->addAction("About");
    connect(OptionsItem, &QAction::triggered, this, [this] { OptBtnClick(); });
    connect(CustomItem2, &QAction::triggered, this, [this] { CustomItem2Click(); });
    connect(CustomItem4, &QAction::triggered, this, [this] { CustomItem4Click(); });
    connect(CustomItem5, &QAction::triggered, this, [this] { CustomItem5Click(); });
    connect(CustomItem6, &QAction::triggered, this, [this] { CustomItem6Click(); });
    connect(CustomItem7, &QAction::triggered, this, [this] { CustomItem7Click(); });
}

void TMainForm::BuildEditor()
{
    TrackR = MakeTrack(this, 6, 24, 1);
    TrackG = MakeTrack(this, 5, 56, 2);
    TrackB = MakeTrack(this, 4, 88, 3);

    auto makeBar = [this](int x, int y, int tag, TPaintBox*& box) {
        auto* panel = new TPanel(this, TPanel::bvLowered, TPanel::bvNone, 1, clBlack);
        panel->setGeometry(x, y, 130, 9);
        box = new TPaintBox(panel);
        box->setGeometry(1, 1, 128, 7);
        SetTag(box, tag);
        box->OnPaint = [this](TPaintBox* b) { OutBoxPaint(b); };
        return panel;
    };
    PanelR = makeBar(17, 46, 1, RedBox);
    PanelG = makeBar(17, 77, 2, GreenBox);
    PanelB = makeBar(16, 107, 3, BlueBox);

    EditR = MakeChannelEdit(this, 26, 0, "red", "white");
    EditG = MakeChannelEdit(this, 58, 1, "lime", "black");
    EditB = MakeChannelEdit(this, 90, 2, "blue", "white");
    UpDownR = new TUpDown(this, EditR, 0, 255);
    UpDownG = new TUpDown(this, EditG, 0, 255);
    UpDownB = new TUpDown(this, EditB, 0, 255);
    UpDownR->setGeometry(195, 26, 15, 21);
    UpDownG->setGeometry(195, 58, 15, 21);
    UpDownB->setGeometry(195, 90, 15, 21);
    SetTag(UpDownR, 0);
    SetTag(UpDownG, 1);
    SetTag(UpDownB, 2);

    for (QSlider* t : {TrackR, TrackG, TrackB})
        connect(t, &QSlider::valueChanged, this, [this, t] { TrackChange(t); });
    for (QLineEdit* e : {EditR, EditG, EditB})
        connect(e, &QLineEdit::textChanged, this, [this, e] { ColEditChange(e); });

    HexOutLbl = new QLabel("HTML:", this);
    HexOutLbl->setFont(PixelFont(13, true, true));
    HexOutLbl->move(16, 351);
    HexOutLbl->adjustSize();
    HexOutEdit = new QLineEdit("#000000", this);
    HexOutEdit->setGeometry(60, 351, 73, 13);
    HexOutEdit->setReadOnly(true);
    HexOutEdit->setFrame(false);
    HexOutEdit->setFont(PixelFont(13, true, true));
    HexOutEdit->setTextMargins(0, 0, 0, 0);
    HexOutEdit->setStyleSheet("QLineEdit { background: palette(button); border: none; padding: 0px; }");
    // Its hint is kept but not shown.
    HexOutEdit->setAccessibleDescription("HTML/Hexadecimal");

    DecOutLbl = new QLabel("Dec:", this);
    DecOutLbl->move(490, 223);
    DecOutLbl->hide();
    DecOutEdit = new QLineEdit("0", this);
    DecOutEdit->setGeometry(522, 223, 73, 13);
    DecOutEdit->setReadOnly(true);
    DecOutEdit->setFrame(false);
    DecOutEdit->setAccessibleDescription("Decimal");
    DecOutEdit->hide();

    ColourBvl = new TPanel(this, TPanel::bvNone, TPanel::bvNone, 1, 0xC0C0C0);
    ColourBvl->setGeometry(338, 137, 50, 34);
    ColourPnl = new TPaintBox(ColourBvl);
    ColourPnl->setGeometry(0, 1, 8, 32);
    ColourPnl->setToolTip("Colour");
    ColourPnl->OnPaint = [this](TPaintBox* b) { ColourPnlPaint(b); };
    SolidColPnl = new TPaintBox(ColourBvl);
    SolidColPnl->setGeometry(43, 1, 7, 32);
    SolidColPnl->setToolTip("Nearest solid colour - double-click to set this colour");
    SolidColPnl->OnPaint = [this](TPaintBox* b) { SolidColPnlPaint(b); };
    SolidColPnl->OnDblClick = [this](TPaintBox* b) { SolidColPnlDblClick(b); };
    ColourBvl->hide();

    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(336, 24, 81, 21);
    Edit1->setFrame(false);
    Edit1->hide();
    Edit2 = new QLineEdit(this);
    Edit2->setGeometry(376, 24, 89, 21);
    Edit2->setFrame(false);
    Edit2->hide();
}

void TMainForm::BuildSampler()
{
    MagPnl = new TPanel(this, TPanel::bvRaised, TPanel::bvRaised, 2, clWhite);
    MagPnl->setGeometry(155, 120, 58, 101);
    MagBox = new TPaintBox(MagPnl);
    MagBox->setGeometry(4, 4, 50, 93);
    MagBox->setToolTip("Magnified image of pixels under the cursor ");
    MagBox->OnPaint = [this](TPaintBox* b) { MagBoxPaint(b); };

    Panel2 = new TPanel(this, TPanel::bvRaised, TPanel::bvRaised, 2, clBlack);
    Panel2->setGeometry(8, 121, 140, 100);
    Image1 = new TImage(Panel2);
    Image1->setGeometry(5, 6, 132, 87);

    const QColor face = palette().color(QPalette::Button);
    Panel1 = new TPanel(this, TPanel::bvNone, TPanel::bvRaised, 1, RGBColor(face.red(), face.green(), face.blue()));
    Panel1->setGeometry(8, 225, 201, 113);
    GroupBox1 = new QGroupBox(" Zoom factor ", Panel1);
    GroupBox1->setGeometry(6, 8, 191, 90);
    Slider = new QSlider(Qt::Horizontal, GroupBox1);
    Slider->setGeometry(9, 16, 168, 33);
    Slider->setRange(1, 6);
    Slider->setPageStep(1);
    Slider->setSingleStep(1);
    Slider->setTickPosition(QSlider::TicksBelow);
    Slider->setTickInterval(1);
    Slider->setValue(4);
    const int lefts[6] = {12, 44, 76, 105, 130, 158};
    const char* captions[6] = {"2 x", "4 x", "6 x", "8 x", "10x", "12x"};
    for (int i = 0; i < 6; ++i) {
        SliderLabels[i] = new QLabel(captions[i], GroupBox1);
        SliderLabels[i]->move(lefts[i], 48);
        SliderLabels[i]->adjustSize();
    }
    cbSrediste = new QCheckBox("Show crosshair", Panel1);
    cbSrediste->setGeometry(14, 84, 109, 21);
    cbSrediste->setChecked(true);

    CoordsLbl = new QLabel("0000, 0000", this);
    CoordsLbl->setGeometry(514, 281, 50, 26);
    CoordsLbl->setWordWrap(true);
    CoordsLbl->setFont(PixelFont(11, false, true));
    CoordsLbl->setToolTip("Mouse coordinates");

    // The two labels of the info line are narrowed a little so the longest
    // line still fits the window at the given height.
    QFont infoFont = PixelFont(12, true);
    infoFont.setStretch(88);
    Label5 = new QLabel("Delphi #", this);
    Label5->setFont(infoFont);
    Label5->move(16, 381);
    Label5->adjustSize();
    LabelNetscapeColor = new QLabel("Colors", this);
    LabelNetscapeColor->setFont(infoFont);
    LabelNetscapeColor->move(70, 380);
    LabelNetscapeColor->resize(440, 16);

    suiButton1 = new TPickButton(this);
    suiButton1->setGeometry(152, 344, 49, 33);
    suiButton1->setIcon(PickButtonGlyph());
    suiButton1->setIconSize(QSize(32, 32));
    suiButton1->setFlat(true);
    suiButton1->setToolTip("Pick From Screen!");
    connect(suiButton1, &QPushButton::clicked, this, [this] { suiButton1Click(); });
    suiButton1->OnMouseUp = [this](TPickButton*, Qt::MouseButton b) { suiButton1MouseUp(b); };

    // Opens the full-screen overlay; hidden, clicked by suiButton1. A hidden
    // button never sees a release of its own, so qvDeskPickerButton1MouseUp
    // has nothing to be bound to.
    qvDeskPickerButton1 = new TqvDeskPickerButton(this);
    qvDeskPickerButton1->setText("Pick From Screen!");
    qvDeskPickerButton1->setGeometry(208, 289, 97, 25);
    qvDeskPickerButton1->SetScreenHintFormat("RGB(%r, %g, %b)\rHex: %h");
    qvDeskPickerButton1->hide();

    PFSBtn = new QPushButton("&Pick From Screen", this);
    PFSBtn->setGeometry(194, 233, 99, 25);
    PFSBtn->hide();
    connect(PFSBtn, &QPushButton::clicked, this, [this] { PFSBtnClick(); });

    OptBtn = new QPushButton("&Options...", this);
    OptBtn->setGeometry(450, 169, 75, 25);
    OptBtn->hide();
    connect(OptBtn, &QPushButton::clicked, this, [this] { OptBtnClick(); });
}

void TMainForm::BuildPages()
{
    suiPageControl1 = new QTabWidget(this);
    suiPageControl1->setGeometry(224, 32, 289, 345);
    suiPageControl1->setStyleSheet(
        "QTabWidget::pane { border: 1px solid rgb(104,104,104); background: white; }");
    suiTabSheet1 = new QWidget;
    suiTabSheet2 = new QWidget;
    suiTabSheet1->setAutoFillBackground(true);
    suiTabSheet2->setAutoFillBackground(true);
    suiPageControl1->addTab(suiTabSheet1, "Circle");
    suiPageControl1->addTab(suiTabSheet2, "Cube");
    suiTabSheet1->setEnabled(false);
    suiPageControl1->setCurrentWidget(suiTabSheet2);

    const QString hintFormat = QString::fromUtf8(DefaultHintFormat.data(), int(DefaultHintFormat.size()));
    HSLRingPicker1 = new THSLRingPicker(suiTabSheet1);
    HSLRingPicker1->setGeometry(9, 21, 264, 268);
    HSLRingPicker1->SetShowHint(true);
    HSLRingPicker1->SetRingPickerHintFormat(hintFormat);
    HSLRingPicker1->SetSLPickerHintFormat(hintFormat);

    HexaColorPicker1 = new THexaColorPicker(suiTabSheet2);
    HexaColorPicker1->setGeometry(16, 8, 257, 305);
    HexaColorPicker1->SetIntensityText("Intensity");
    HexaColorPicker1->SetHintFormat(hintFormat);

    HColorPicker1 = new THColorPicker(suiTabSheet2);
    HColorPicker1->setGeometry(8, 293, 267, 22);
    HColorPicker1->SetShowHint(true);
    HColorPicker1->SetHintFormat(hintFormat);
}

void TMainForm::FormCreate()
{
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive)
            AppDeactivate();
    });
    platform::Screen();
    FScreenHeld = true;
    FSampleBitmap = QImage();

    // The stored method; anything unreadable, and any method this program
    // does not know, falls back to single-pixel sampling and is written back.
    {
        platform::SettingsKey key;
        std::int32_t value = 0;
        bool ok = key.Open(kSettingsKey, true) && key.ReadInteger(kMethodValue, value)
                  && (std::uint8_t(value) <= 2);
        if (ok) {
            FStoredMethod = std::uint8_t(value);
        } else {
            key.WriteInteger(kMethodValue, 0);
            FStoredMethod = 0;
        }
        key.Close();
    }
    SizeSampleBitmap(FStoredMethod);
    if (!FSampleBitmap.isNull())
        FSampleBitmap.setPixel(0, 0, 0xFF000000u);
    FSampleMethod = FStoredMethod;
    FGradientBitmap = QImage(128, 1, QImage::Format_RGB32);
}

void TMainForm::FormClose()
{
    // Stop both ticks first: they use what is released here.
    PickTmr->stop();
    Timer1->stop();
    FScreenHeld = false;
    FSampleBitmap = QImage();
    FGradientBitmap = QImage();
    closed_ = true;
}

void TMainForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    QWidget::closeEvent(e);
}

void TMainForm::SizeSampleBitmap(int method)
{
    int w = FSampleBitmap.width();
    switch (method) {
    case 0: w = 1; break;
    case 1: w = 3; break;
    case 2: w = 5; break;
    default: break;
    }
    if (w != FSampleBitmap.width() || w != FSampleBitmap.height()) {
        QImage next(w, w, QImage::Format_RGB32);
        next.fill(0xFF000000u);
        FSampleBitmap = next;
    }
}

bool TMainForm::Picking() const { return !PFSBtn->isEnabled(); }

TColor TMainForm::EditorColor() const
{
    return RGBColor(std::uint8_t(TrackR->value()), std::uint8_t(TrackG->value()), std::uint8_t(TrackB->value()));
}

void TMainForm::mousePressEvent(QMouseEvent* e)
{
    QWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton)
        WMButtonDown();
}

// A left or right press that reaches the window (it holds the mouse while
// picking) ends the capture-based pick.
void TMainForm::WMButtonDown()
{
    if (!Picking())
        return;
    releaseMouse();
    PFSBtn->setEnabled(true);
    QMetaObject::invokeMethod(this, [this] { activateWindow(); }, Qt::QueuedConnection);
}

void TMainForm::AppDeactivate()
{
    if (Picking())
        grabMouse();
}

// ---- RGB editor ------------------------------------------------------------

void TMainForm::TrackChange(QObject* Sender)
{
    const TColor c = EditorColor();
    ColourPnl->SetBrushColor(c);
    ColourPnl->FillClient();
    // On a true-colour display the nearest solid colour is the colour itself.
    SolidColPnl->SetBrushColor(ColourPnl->BrushColor());
    SolidColPnl->FillClient();
    const int tag = Tag(Sender);
    for (int channel = 1; channel <= 3; ++channel)
        if (channel != tag)
            DrawGradientBar(channel);
    switch (tag) {
    case 1: UpDownR->SetPosition(TrackR->value()); break;
    case 2: UpDownG->SetPosition(TrackG->value()); break;
    case 3: UpDownB->SetPosition(TrackB->value()); break;
    default: break;
    }
    const int r = TrackR->value(), g = TrackG->value(), b = TrackB->value();
    SetTextIfChanged(HexOutEdit, QString("#%1").arg(65536 * r + 256 * g + b, 6, 16, QChar('0')).toUpper());
    SetTextIfChanged(DecOutEdit, QString::number(r + 256 * g + 65536 * b));
}

void TMainForm::ColEditChange(QObject* Sender)
{
    // The up-down reads its position from the edit; the track clamps it.
    auto position = [](TUpDown* u) { return int(std::int16_t(u->Position())); };
    switch (Tag(Sender)) {
    case 0: TrackR->setValue(position(UpDownR)); break;
    case 1: TrackG->setValue(position(UpDownG)); break;
    case 2: TrackB->setValue(position(UpDownB)); break;
    default: break;
    }
}

void TMainForm::OutBoxPaint(TPaintBox* Sender) { DrawGradientBar(Tag(Sender)); }

void TMainForm::DrawGradientBar(int channel)
{
    TPaintBox* box = channel == 1 ? RedBox : channel == 2 ? GreenBox : channel == 3 ? BlueBox : nullptr;
    if (!box || FGradientBitmap.isNull())
        return;
    ++gradientDraws_[channel];
    const int r = TrackR->value(), g = TrackG->value(), b = TrackB->value();
    auto* line = reinterpret_cast<QRgb*>(FGradientBitmap.scanLine(0));
    for (int j = 0; j < 128; ++j) {
        const int v = 2 * j;
        line[j] = channel == 1 ? qRgb(v, g, b) : channel == 2 ? qRgb(r, v, b) : qRgb(r, g, v);
    }
    QImage& canvas = box->Canvas();
    for (int y = 0; y < 7 && y < canvas.height(); ++y)
        std::copy(line, line + std::min(128, canvas.width()), reinterpret_cast<QRgb*>(canvas.scanLine(y)));
    box->CanvasChanged();
}

void TMainForm::ColourPnlPaint(TPaintBox* Sender)
{
    Sender->SetBrushColor(EditorColor());
    Sender->FillClient();
}

void TMainForm::SolidColPnlPaint(TPaintBox* Sender)
{
    Sender->SetBrushColor(ColourPnl->BrushColor());
    Sender->FillClient();
}

void TMainForm::SolidColPnlDblClick(TPaintBox*)
{
    const TColor c = SolidColPnl->BrushColor();
    TrackR->setValue(GetRValue(c));
    TrackG->setValue(GetGValue(c));
    TrackB->setValue(GetBValue(c));
}

// ---- Sampler -----------------------------------------------------------------

void TMainForm::StretchSample(int width, int height)
{
    // Shown until the magnifier next repaints; skip the repaint when the
    // block has not changed since it was last drawn.
    if (FSampleBitmap == lastSampleDrawn_)
        return;
    lastSampleDrawn_ = FSampleBitmap.copy();
    QPainter p(&MagBox->Canvas());
    p.drawImage(QRect(0, 0, width, height), FSampleBitmap);
    p.end();
    MagBox->CanvasChanged();
}

void TMainForm::PickTmrTimer()
{
    if (!FScreenHeld)
        return;
    platform::ScreenSource& screen = platform::Screen();
    // The pointer and the block under it are read together: one round trip
    // to the window system while the pointer stays still.
    const int n = FSampleMethod == 0 ? 1 : FSampleMethod == 1 ? 3 : FSampleMethod == 2 ? 5 : 0;
    TColor block[25];
    const QPoint pos = n > 0 ? screen.CursorAndBlock(n, block) : screen.CursorPos();
    const int X = pos.x(), Y = pos.y();
    SetTextIfChanged(CoordsLbl, CoordsText(X, Y));

    TColor S = 0;
    TColor P = 0;
    if (n == 1) {
        S = block[0];
        P = S;
        MagPnl->SetColor(S);
        FSampleBitmap.setPixel(0, 0, 0xFF000000u | PixelFromColor(S));
    } else if (n > 1) {
        S = AverageBlock(block, n * n);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                FSampleBitmap.setPixel(x, y, 0xFF000000u | PixelFromColor(block[y * n + x]));
        StretchSample(48, 100);
        P = block[(n / 2) * n + n / 2];
    }
    if (Picking()) {
        TrackR->setValue(GetRValue(S));
        TrackG->setValue(GetGValue(S));
        TrackB->setValue(GetBValue(S));
    }
    if (n == 0)
        P = screen.Pixel(pos);
    MagPnl->SetColor(P);
    if (!FSampleBitmap.isNull())
        FSampleBitmap.setPixel(0, 0, 0xFF000000u | PixelFromColor(P));
    ShowReadouts(P);
}

void TMainForm::MagBoxPaint(TPaintBox* Sender)
{
    int h = 0;
    switch (FSampleMethod) {
    case 0: h = 100; break;
    case 1: h = 92; break;
    case 2: h = 100; break;
    default: return;
    }
    if (FSampleBitmap.isNull())
        return;
    QPainter p(&Sender->Canvas());
    p.drawImage(QRect(0, 0, 48, h), FSampleBitmap);
}

void TMainForm::ShowReadouts(TColor P)
{
    FColorName = ColorNameFor(P);
    SetTextIfChanged(LabelNetscapeColor, QString::fromStdString(InfoLine(P, FColorName, QLocale())));
    SetTextIfChanged(Edit1, QString::fromStdString(ColorIdentText(P) + "     "));
    SetTextIfChanged(Edit2, QString::fromStdString(RGBTripleText(P) + "     "));
    HandColourToPickers(P);
}

void TMainForm::HandColourToPickers(TColor P)
{
    HSLRingPicker1->SetSelectedColor(P);
    HexaColorPicker1->SetSelectedColor(P);
    HColorPicker1->SetSelectedColor(P);
}

// ---- Pick mode -----------------------------------------------------------------

void TMainForm::suiButton1Click()
{
    PickTmr->start();
    colourBeforePick_ = EditorColor();
    pickCancelled_ = false;
    PFSBtn->click();
    // A modal window takes the mouse from whoever holds it.
    releaseMouse();
    qvDeskPickerButton1->click();
    if (!qvDeskPickerButton1->Picked()) {
        // A cancelled pick chooses nothing: the editor gets its colour back,
        // pick mode ends and the readouts go on following the pointer. Done
        // here, as a pick started from the keyboard has no mouse-up; the
        // mouse-up of this same click (if any) then leaves the sampler alone.
        PFSBtn->setEnabled(true);
        TrackR->setValue(GetRValue(colourBeforePick_));
        TrackG->setValue(GetGValue(colourBeforePick_));
        TrackB->setValue(GetBValue(colourBeforePick_));
        pickCancelled_ = true;
        QTimer::singleShot(0, this, [this] { pickCancelled_ = false; });
    }
}

void TMainForm::suiButton1MouseUp(Qt::MouseButton)
{
    if (pickCancelled_) {
        pickCancelled_ = false;
        return;
    }
    PFSBtn->setEnabled(true);
    PickTmr->stop();
}

void TMainForm::qvDeskPickerButton1MouseUp(Qt::MouseButton button) { suiButton1MouseUp(button); }

void TMainForm::PFSBtnClick()
{
    grabMouse();
    PFSBtn->setEnabled(false);
    static const char* const texts[3] = {"Single Pixel...", "3x3 Average...", "5x5 Average..."};
    setWindowTitle(QString("Picking ") + (FStoredMethod <= 2 ? texts[FStoredMethod] : "..."));
}

// ---- Zoom ------------------------------------------------------------------------

void TMainForm::Timer1Timer()
{
    if (!FScreenHeld || isMinimized())
        return;
    platform::ScreenSource& screen = platform::Screen();
    const QPoint pos = screen.CursorPos();
    const QRect outer = platform::ToPhysical(frameGeometry());
    if (outer.contains(pos)) {
        if (Image1->isVisible())
            Image1->hide();
        return;
    }
    if (Image1->isHidden())
        Image1->show();
    const QSize size = Image1->size();
    const ZoomGeometry z = ComputeZoom(pos, Slider->value(), size, screen.PrimarySize());
    zoomSource_ = z.source;
    crosshair_ = z.crosshair;
    QImage source = screen.Grab(z.source);
    QImage& picture = Image1->Picture();
    const bool crosshair = cbSrediste->isChecked();
    // A still pointer over a still screen gives the same picture: keep it
    // and spare the enlargement and the repaint.
    const bool same = picture.size() == size && z.source == zoomDrawnSource_ && crosshair == zoomDrawnCrosshair_
                      && source == zoomDrawnFrom_;
    if (!same) {
        if (picture.size() != size)
            picture = QImage(size, QImage::Format_RGB32);
        StretchNearest(source, picture);
        if (crosshair)
            DrawCrosshair(picture, z);
        zoomDrawnFrom_ = source.copy();
        zoomDrawnSource_ = z.source;
        zoomDrawnCrosshair_ = crosshair;
        Image1->PictureChanged();
    }
    // A modal window opened from inside this pump (the pick overlay, a
    // dialog) must not stop the zoom: a timer does not fire again while its
    // own tick is running, so it is armed afresh first.
    Timer1->start();
    QCoreApplication::processEvents();
}

// ---- Options, menu -----------------------------------------------------------------

void TMainForm::OptBtnClick()
{
    if (!optForm_)
        return;
    optForm_->SetCurrentMethod(FSampleMethod);
    if (optForm_->exec() != QDialog::Accepted)
        return;
    FStoredMethod = std::uint8_t(optForm_->SelectedMethod());
    platform::SettingsKey key;
    const bool written = key.Open(kSettingsKey, false) && key.WriteInteger(kMethodValue, FStoredMethod);
    key.Close();
    if (!written) {
        QMessageBox::critical(this, QApplication::applicationName(),
                              QString("Failed to set data for '%1'").arg(kMethodValue));
        return;
    }
    SizeSampleBitmap(FStoredMethod);
    FSampleMethod = FStoredMethod;
    lastSampleDrawn_ = QImage();
}

void TMainForm::CustomItem2Click() { QCoreApplication::exit(0); }

void TMainForm::CopyText(QLineEdit* source)
{
    // Exactly the edit's text, trailing blanks included, also when empty.
    source->selectAll();
    QGuiApplication::clipboard()->setText(source->text(), QClipboard::Clipboard);
}

void TMainForm::CustomItem4Click() { CopyText(HexOutEdit); }
void TMainForm::CustomItem5Click() { CopyText(Edit1); }
void TMainForm::CustomItem6Click() { CopyText(Edit2); }

void TMainForm::CustomItem7Click()
{
    if (aboutBox_)
        aboutBox_->exec();
}
