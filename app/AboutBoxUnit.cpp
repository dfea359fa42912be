#include "app/AboutBoxUnit.h"

#include "app/Theme.h"
#include "platform/desktop/ShellOpen.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const FirstLine = "Copyright (c) 2000-XXXX Brontal Software";
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Info"));
    setFont(Theme::windowFont());
    setFixedSize(664, 453);
    auto *v = new QVBoxLayout(this);
    YearLabel = new QLabel(this);
    v->addWidget(YearLabel);
    auto *www = new QPushButton(Theme::homePageAddress(), this);
    connect(www, &QPushButton::clicked, this, &TAboutBox::BitBtnXP1Click);
    v->addWidget(www);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(ok);
    FormCreate();
}

QString TAboutBox::yearLine(int year)
{
    QString line = QString::fromLatin1(FirstLine);
    return line.replace(QLatin1String("XXXX"), QString::number(year));
}

void TAboutBox::FormCreate()
{
    YearLabel->setText(yearLine(QDate::currentDate().year()));
}

void TAboutBox::BitBtnXP1Click()
{
    ShellOpen(Theme::homePageAddress());
}
