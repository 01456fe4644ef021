// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs in Japanese, while the program's message boxes keep their own texts.
#include "ui/messageboxprompter.h"
#include "ui/qttexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QString cancelText()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

} // namespace

TEST(QtTexts, qtsOwnButtonsAndFileDialogSpeakJapaneseWhateverTheLocale)
{
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm";
    if (!QFile::exists(file))
        GTEST_SKIP() << "no " << file.toStdString() << ": qt6-translations-l10n is not installed";
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_EQ(cancelText(), QStringLiteral("Cancel"));
    {
        const std::unique_ptr<QTranslator> japanese = qttexts::installJapanese();
        ASSERT_NE(japanese, nullptr);
        EXPECT_EQ(cancelText(), QStringLiteral("キャンセル"));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QLabel *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
        ASSERT_NE(lookIn, nullptr);
        EXPECT_NE(lookIn->text(), QStringLiteral("Look in:"));

        // A question of the program's own keeps its buttons' texts.
        QStringList buttons;
        QTimer::singleShot(0, [&buttons] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton *button : box->buttons())
                buttons.append(button->text());
            box->reject();
        });
        EXPECT_EQ(MessageBoxPrompter().askYesNoCancel(QStringLiteral("保存しますか？")),
                  Prompter::Answer::Cancel);
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{"いいえ(&N)", "はい(&Y)", "キャンセル"}));
    }
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel")); // for as long as the translator lives
    QLocale::setDefault(QLocale::system());
}
