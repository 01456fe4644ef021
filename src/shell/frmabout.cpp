// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "artwork.h"
#include "ui/access.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int Width = 4800; // twips, the client area

QLabel *centredPicture(QWidget *parent, const char *name, const QPixmap &picture, int top)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(picture);
    const QSize size = picture.deviceIndependentSize().toSize();
    label->setGeometry(QRect(QPoint((twips(Width) - size.width()) / 2, twips(top)), size));
    return label;
}

QLabel *line(QWidget *parent, const char *name, const QString &text, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(pGothicFont());
    label->setGeometry(twipsRect(120, top, Width - 240, 255));
    return label;
}

} // namespace

frmAbout::frmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Kibanuについて"));
    windows::fixSize(*this, twips(Width), twips(5760));
    Picture1 = centredPicture(this, "Picture1", artwork::logo(), 120);
    line(this, "Label2", QStringLiteral("version 2.0 for Windows95/NT 1997/8/30"), 960);
    const struct {
        const char *name;
        const char *text;
        int top;
    } credits[] = {
        {"Label4", "drawn by the Kibanu developers", 1455},
        {"Label1", "designed by the Kibanu developers", 1680},
        {"Label7", "programmed by the Kibanu developers", 1920},
        {"Label3", "directed and programmed by the Kibanu developers", 2160},
    };
    for (const auto &credit : credits)
        line(this, credit.name, QLatin1String(credit.text), credit.top);
    Picture2 = centredPicture(this, "Picture2", artwork::deskScene(), 2760);
    a11y::nameWhenEmpty(Picture1, QStringLiteral("Kibanu"));
    a11y::nameWhenEmpty(Picture2, QStringLiteral("机の上の用件、予定表と電話"));
    line(this, "Label6", QStringLiteral("Windows版 Kibanu 2.0 から生まれました"), 4440);
    cmdOK = windows::button(this, "cmdOK", QStringLiteral("閉じる"),
                            twipsRect((Width - 1095) / 2, 5160, 1095, 375));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::cmdOK_Click()
{
    hide();
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit unloaded();
}
