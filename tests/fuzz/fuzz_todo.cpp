// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "board/todoboard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoader<TodoBoard>(
        data, size, DataFile::Todo, [](TodoBoard &b, const QString &path) { return b.loadTodoList(path); },
        [](const TodoBoard &b) { return b.todoLines(); });
    return 0;
}
