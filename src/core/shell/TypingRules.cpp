#include "shell/TypingRules.h"

#include <algorithm>

namespace quillory {

namespace {

// Whether a line edit takes a typed character: what is printable, format marks, and
// characters outside the basic plane (a whole pair).
bool typeable(char32_t c)
{
    return c > 0xFFFF || QChar::isPrint(c) || QChar::category(c) == QChar::Other_Format;
}

// The part of a typed text that fits into `room` UTF-16 units, never half a pair.
QString fitting(const QString &text, int room)
{
    if (text.size() <= room)
        return text;
    QString part = text.left(std::max(room, 0));
    if (!part.isEmpty() && part.back().isHighSurrogate())
        part.chop(1);
    return part;
}

// The key code the numeric and letter rules look at: Latin-1 as it is, anything above as one code.
int keyCode(char32_t c)
{
    return c < 256 ? int(c) : 0xFFFF;
}

} // namespace

void FilterNumericKey(int &code)
{
    if (code == 8 || code == 0 || (code >= 45 && code <= 59))
        return;
    code = 0;
}

KeyOutcome keyOutcome(unsigned rules, const QString &keyText, bool tabKey)
{
    if (rules == TypingRules::AnyKey || keyText.isEmpty())
        return {};
    if (rules & TypingRules::ReadOnly)
        return {tabKey ? KeyOutcome::Pass : KeyOutcome::Beep, {}};
    const char16_t ch = keyText.at(0).unicode();
    // A character outside the basic plane comes as one key of two UTF-16 units.
    const bool oneCharacter = keyText.size() == 1 || (keyText.size() == 2 && keyText.at(0).isHighSurrogate());
    if (!oneCharacter || ch < 32 || ch == 127)
        return {};
    int code = keyCode(ch);
    if (rules & TypingRules::Numeric) {
        FilterNumericKey(code);
        if (code == 0)
            return {KeyOutcome::Drop, {}};
    }
    if ((rules & TypingRules::LettersOnly) && code < 'A')
        return {KeyOutcome::Beep, {}};
    if (rules & TypingRules::UpperCase) {
        const QString upper = keyText.toUpper();
        if (upper != keyText)
            return {KeyOutcome::Insert, upper};
    }
    return {};
}

TypedText typedText(unsigned rules, const QString &text, int room)
{
    TypedText typed;
    for (int i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        } else if (text[i].isSurrogate())
            continue; // half a character, as a cut-off paste or a full field leaves it
        if (!typeable(c) || (rules & TypingRules::ReadOnly)) {
            typed.beep = typed.beep || (rules & TypingRules::ReadOnly);
            continue;
        }
        int code = keyCode(c);
        if (rules & TypingRules::Numeric) {
            FilterNumericKey(code);
            if (code == 0)
                continue;
        }
        if ((rules & TypingRules::LettersOnly) && code < 'A') {
            typed.beep = true;
            continue;
        }
        QString key = QString::fromUcs4(&c, 1);
        if (rules & TypingRules::UpperCase)
            key = key.toUpper();
        typed.text += fitting(key, room - int(typed.text.size()));
    }
    return typed;
}

TypedChange typedChange(unsigned rules, const QString &before, const QString &now, int limit)
{
    // What came in is what lies between the unchanged start and the unchanged end.
    int start = 0;
    while (start < before.size() && start < now.size() && before[start] == now[start])
        ++start;
    int end = 0;
    while (end < before.size() - start && end < now.size() - start &&
           before[before.size() - 1 - end] == now[now.size() - 1 - end])
        ++end;
    // Never split a pair between the kept text and what came in.
    if (start > 0 && now[start - 1].isHighSurrogate())
        --start;
    if (end > 0 && now[now.size() - end].isLowSurrogate())
        --end;
    const QString came = now.mid(start, now.size() - start - end);
    const TypedText typed = typedText(rules, came, limit - start - end);
    TypedChange change;
    change.beep = typed.beep;
    if (typed.text == came)
        return change;
    change.changed = true;
    // Keys that all are dropped leave a selection they were typed over as it was.
    change.text = typed.text.isEmpty() && !came.isEmpty() ? before : now.left(start) + typed.text + now.right(end);
    change.cursor = start + int(typed.text.size());
    return change;
}

} // namespace quillory
