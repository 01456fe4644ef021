// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

// Text an input method is still composing (Japanese typed as romaji, not yet confirmed)
// shows in its box but is not yet the box's text. Every save and hand-over ends the
// composition first, so what the user sees in a box is what is stored.
namespace composition {

// Follows the compositions in this box.
void follow(QLineEdit *box);

// Commits the composition, wherever it is, into its box as it is shown there. The input
// method is asked first; a composition it leaves is committed here and the input method
// told to start afresh.
void commit();

// A box of letters and digits only (a phone book index): the input method is to type
// them as they are, not compose them. fcitx5 turns composition off only in a box it takes
// for a password; the hint says so without hiding the text.
void asksLatin(QLineEdit *box);
// A box mostly of numbers (a phone number, or an address): numbers first, nothing
// predicted; the input method stays usable for a memo typed there.
void prefersNumbers(QLineEdit *box);

} // namespace composition
