#pragma once
// The About box: name and version, a line of notice, a link, OK.
#include <QDialog>

class QLabel;
class QPushButton;

// A label that shows its address underlined and opens it with the desktop's
// default handler when clicked.
class TURLLabel : public QWidget {
public:
    TURLLabel(const QString& url, QWidget* parent);
    QString Url() const { return url_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString url_;
};

class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QWidget* suiForm1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TURLLabel* URLLabelHan1 = nullptr;
    QPushButton* OKButton = nullptr;

    static const char* NoticeText();
    static const char* Address();

protected:
    void showEvent(QShowEvent* e) override;
};
