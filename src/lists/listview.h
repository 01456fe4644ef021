#pragma once

#include <functional>

class QAbstractItemView;

// What the program's list windows share.
namespace listview {

// The selected row, or -1.
[[nodiscard]] int selectedRow(const QAbstractItemView *view);

// Leaves nothing selected, so that the next Delete or drop asks for a selection again.
void clearSelection(QAbstractItemView *view);

// Runs the handler when the Delete key is pressed in the view.
void onDeleteKey(QAbstractItemView *view, std::function<void()> handler);

} // namespace listview
