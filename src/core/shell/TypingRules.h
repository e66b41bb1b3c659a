#pragma once

#include <QString>

namespace quillory {

// Rules for the characters typed into a field, combined as flags.
struct TypingRules {
    enum Keys : unsigned {
        AnyKey = 0,
        Numeric = 1,     // only the keys FilterNumericKey keeps; others dropped silently
        UpperCase = 2,   // letters become capitals
        LettersOnly = 4, // keys below "A" are dropped with a beep
        ReadOnly = 8,    // every key is dropped with a beep
    };
};

// Keeps Backspace, 0 and the codes of "-" to ";" (the digits, "-", ".", "/", ":", ";");
// sets any other key code to 0 so that the key is dropped without a sound.
void FilterNumericKey(int &code);

// What a field does with a key press that carries text (`tabKey`: Tab or Backtab).
struct KeyOutcome {
    enum Action { Pass, Drop, Beep, Insert };
    Action action = Pass;
    QString text; // Insert: what goes in instead of the key's own text
};
KeyOutcome keyOutcome(unsigned rules, const QString &keyText, bool tabKey);

// Text that did not come key by key (pasted, dropped, from an input method): what typing its
// characters one by one into `room` places gives, and whether a key was refused with a beep.
struct TypedText {
    QString text;
    bool beep = false;
};
TypedText typedText(unsigned rules, const QString &text, int room);

// A line edit's text went from `before` to `now` other than by single keys: what it holds once
// what came in follows the rules (at most `limit` long), and where the cursor then stands.
struct TypedChange {
    bool changed = false; // false: `now` stands as it is
    QString text;
    int cursor = 0;
    bool beep = false;
};
TypedChange typedChange(unsigned rules, const QString &before, const QString &now, int limit);

} // namespace quillory
