#include "app/HuelarkOpt.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/Controls.h"

TOptForm::TOptForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Options");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(169, 141);
    QFont f = QApplication::font();
    f.setPixelSize(11);
    setFont(f);

    MethodGrp = new QGroupBox("Colour Sampling Method", this);
    MethodGrp->setGeometry(8, 8, 153, 97);
    const char* items[3] = {"&Single Pixel", "&3 x 3 Average", "&5 x 5 Average"};
    for (int i = 0; i < 3; ++i) {
        MethodItems[i] = new QRadioButton(items[i], MethodGrp);
        MethodItems[i]->setGeometry(8, 18 + 24 * i, 137, 20);
    }
    MethodItems[0]->setChecked(true);

    OKBtn = new QPushButton("&OK", this);
    OKBtn->setGeometry(40, 112, 59, 25);
    OKBtn->setDefault(true);
    Button1 = new QPushButton("&Cancel", this);
    Button1->setGeometry(104, 112, 59, 25);
    setTabOrder(OKBtn, Button1);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptForm::showEvent(QShowEvent* e)
{
    CentreOnScreen(this);
    QDialog::showEvent(e);
    FormShow();
}

void TOptForm::FormShow() { SetItemIndex(current_); }

void TOptForm::SetItemIndex(int index)
{
    // Like a radio group, an index past the end selects the last item.
    MethodItems[qBound(0, index, 2)]->setChecked(true);
}

int TOptForm::SelectedMethod() const
{
    for (int i = 0; i < 3; ++i)
        if (MethodItems[i]->isChecked())
            return i;
    return -1;
}
