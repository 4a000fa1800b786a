#pragma once
// The checks of edit constraints as plain functions of a format and a text: the typing filter
// and the check made when the user leaves a field. No widgets here.

#include <QString>

#include "editformat.h"

// "(NULL)" and "(NOTDONE)": the value markers of the bindings, which pass every check untouched.
bool IsValueMarker(const QString& text);

struct FilteredText {
    QString text;
    int removed = 0;  // characters taken out
    int cursor = 0;   // the cursor position moved left by the characters taken out before it
};

// Takes out, from the left, each character the conversion does not allow at its place:
// "i" digits and a leading "-"; "u" digits; "f" digits, a leading "-" and one "."; "h" hex
// digits; "n" digits and the delimiter, but not as the first character or right after another
// delimiter; "s" anything. Removing one character can make a later one valid ("a-5" gives "-5").
FilteredText FilterTypedText(const EditFormat& format, const QString& text, int cursor);

struct ExitVerdict {
    enum Kind {
        Accepted,       // the text passed
        EmptyAccepted,  // empty text without the not-empty flag: passes, but is not remembered
        Refused,
    };
    Kind kind = Accepted;
    QString message;  // Refused: the catalogue text with its placeholders filled in
};

// The check made when the user leaves the field: range for numbers, address syntax, length,
// count and range of number lists.
ExitVerdict CheckExitText(const EditFormat& format, const QString& text);

// Address checks on a whole text.
bool IsValidAddress(AddressKind kind, const QString& text);
