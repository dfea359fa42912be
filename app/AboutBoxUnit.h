#pragma once
// The about box: created for each showing, destroyed when it closes.

#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    // The first information line with its "XXXX" replaced by `year`.
    static QString yearLine(int year);

    QLabel *YearLabel = nullptr;

private:
    void FormCreate();
    void BitBtnXP1Click();
};
