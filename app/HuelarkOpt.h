#pragma once
// The options dialog: the one setting the program keeps, how a colour is
// sampled (a single pixel, or the average of a 3 x 3 or 5 x 5 block).
#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

class TOptForm : public QDialog {
public:
    explicit TOptForm(QWidget* parent = nullptr);

    QGroupBox* MethodGrp = nullptr;
    QRadioButton* MethodItems[3] = {};
    QPushButton* OKBtn = nullptr;
    QPushButton* Button1 = nullptr;

    // The method the main window samples with; FormShow selects it.
    void SetCurrentMethod(int method) { current_ = method; }
    void FormShow();
    // The selected item: 0 single pixel, 1 3 x 3, 2 5 x 5.
    int SelectedMethod() const;
    void SetItemIndex(int index);

protected:
    void showEvent(QShowEvent* e) override;

private:
    int current_ = 0;
};
