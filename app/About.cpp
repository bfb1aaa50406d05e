#include "app/About.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include "app/AppIcon.h"
#include "app/Controls.h"

namespace {

// The box draws its own frame: a title strip reading "About" with a close
// button, a one-pixel grey border and a light grey body.
class TAboutFrame : public QWidget {
public:
    explicit TAboutFrame(QDialog* dialog) : QWidget(dialog), dialog_(dialog) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(231, 231, 231));
        const QRect title(1, 1, width() - 2, 22);
        QLinearGradient g(title.topLeft(), title.bottomLeft());
        g.setColorAt(0, QColor(96, 120, 168));
        g.setColorAt(1, QColor(54, 76, 126));
        p.fillRect(title, g);
        QFont f("Tahoma");
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(title.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, "About");
        const QRect close = CloseBox();
        p.setPen(QPen(Qt::white, 1.5));
        p.setRenderHint(QPainter::Antialiasing);
        p.drawLine(close.topLeft() + QPoint(4, 4), close.bottomRight() - QPoint(4, 4));
        p.drawLine(close.topRight() + QPoint(-4, 4), close.bottomLeft() + QPoint(4, -4));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(127, 127, 127));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && CloseBox().contains(e->position().toPoint()))
            dialog_->reject();
    }

private:
    QRect CloseBox() const { return QRect(width() - 22, 4, 16, 16); }
    QDialog* dialog_;
};

} // namespace

TURLLabel::TURLLabel(const QString& url, QWidget* parent) : QWidget(parent), url_(url)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(url);
    QFont f("Arial");
    f.setPixelSize(11);
    f.setUnderline(true);
    setFont(f);
}

void TURLLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(Qt::blue);
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, url_);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        QDesktopServices::openUrl(QUrl(url_));
}

void TAboutBox::showEvent(QShowEvent* e)
{
    CentreOnScreen(this);
    QDialog::showEvent(e);
}

const char* TAboutBox::NoticeText() { return "A screen colour picker, built with Qt 6."; }

const char* TAboutBox::Address() { return "https://www.qt.io/"; }

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("About");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(404, 204);
    setMinimumSize(130, 50);
    QFont f = QApplication::font();
    f.setPixelSize(11);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    suiForm1 = new TAboutFrame(this);
    suiForm1->setGeometry(0, 0, 404, 204);

    Image1 = new QLabel(suiForm1);
    Image1->setGeometry(8, 36, 41, 41);
    Image1->setPixmap(AppIcon().pixmap(32, 32));
    Image1->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel("Tinquor 1.0", suiForm1);
    Label1->setGeometry(88, 44, 176, 29);
    QFont big = font();
    big.setPixelSize(24);
    big.setBold(true);
    Label1->setFont(big);
    Label1->setStyleSheet("color: rgb(128, 0, 0); background: transparent;");

    Label2 = new QLabel(NoticeText(), suiForm1);
    Label2->setGeometry(48, 96, 312, 13);
    Label2->setStyleSheet("background: transparent;");

    URLLabelHan1 = new TURLLabel(Address(), suiForm1);
    URLLabelHan1->setGeometry(136, 136, 121, 14);

    OKButton = new QPushButton("OK", suiForm1);
    OKButton->setGeometry(168, 168, 65, 23);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
