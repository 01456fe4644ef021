// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardoptions.h"
#include "board/frmtodo.h"
#include "board/todoboard.h"
#include "common/windowrig.h"
#include "lists/shelflist.h"

#include <QTest>

#include <memory>

// The board window alone, with its models, shown and active as after the start.
struct BoardRig : WindowRig {
    BoardRig()
    {
        w = std::make_unique<frmTodo>(board, shelf, options, files, clock, prompter);
        w->Form_Load();
        w->showLoaded();
        w->placeWindow(0, 0, 8000);
        w->showOptions();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    TodoBoard board;
    ShelfList shelf;
    BoardOptions options;
    std::unique_ptr<frmTodo> w;
};
