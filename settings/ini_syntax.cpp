// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/ini_syntax.h"

#include <QStringDecoder>

namespace qmb::settings {
namespace {

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || IsLineBreak(c);
}

// QSettings writes every control character as an escape, so a raw one
// comes from something else: a binary file, a broken disk block.
bool IsControl(char c)
{
    return static_cast<unsigned char>(c) < 0x20 && !IsSpace(c);
}

bool IsValidUtf8(QByteArrayView text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(text);
    return !decoder.hasError();
}

bool SectionUnderstood(QByteArrayView line)
{
    const qsizetype close = line.indexOf(']');
    // QSettings drops whatever follows the ']' without a word.
    return close > 0 && !line.sliced(1, close - 1).trimmed().isEmpty() && line.sliced(close + 1).trimmed().isEmpty();
}

bool LineUnderstood(QByteArrayView line, qsizetype equals)
{
    if (line.startsWith('['))
        return SectionUnderstood(line);
    return equals > 0 && !line.first(equals).trimmed().isEmpty();
}

// Cuts lines as QSettings does: a line ends at a line break or a ';' outside
// quotes, the ';' starting a comment to the end of the line; a backslash
// escapes the character after it, a line break included.
class LineReader {
public:
    explicit LineReader(QByteArrayView text) : text_(text) {}

    // False at the first line not understood.
    bool ReadAll()
    {
        for (;;) {
            while (at_ < text_.size() && IsSpace(text_[at_]))
                ++at_;
            if (at_ == text_.size())
                return true;
            if (text_[at_] == ';')
                SkipComment();
            else if (!ReadLine())
                return false;
        }
    }

private:
    void SkipComment()
    {
        while (at_ < text_.size() && !IsLineBreak(text_[at_]))
            ++at_;
    }

    bool ReadLine()
    {
        const qsizetype start = at_;
        qsizetype equals = -1;
        bool quoted = false;
        for (; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (IsControl(c))
                return false;
            if (c == '\\') {
                if (!SkipEscaped(equals >= 0))
                    return false;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (IsLineBreak(c)) {
                // An open quote runs on into the next line and takes it in.
                if (quoted)
                    return false;
                break;
            } else if (c == ';' && !quoted) {
                break;
            } else if (c == '=' && !quoted && equals < 0) {
                equals = at_ - start;
            }
        }
        return !quoted && LineUnderstood(text_.sliced(start, at_ - start), equals);
    }

    // Steps onto the escaped character. An escaped line break continues a
    // value on the next line; before the '=' it would join two lines into
    // one key.
    bool SkipEscaped(bool inValue)
    {
        if (at_ + 1 == text_.size())
            return true;
        const char escaped = text_[++at_];
        if (IsControl(escaped))
            return false;
        if (!IsLineBreak(escaped))
            return true;
        if (at_ + 1 < text_.size() && IsLineBreak(text_[at_ + 1]) && text_[at_ + 1] != escaped)
            ++at_;
        return inValue;
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
};

}  // namespace

bool EveryLineUnderstood(QByteArrayView text)
{
    // The Qt this is built with takes a byte order mark for part of the
    // first line, which then loses its section or key.
    if (text.startsWith("\xEF\xBB\xBF"))
        return false;
    return IsValidUtf8(text) && LineReader(text).ReadAll();
}

}  // namespace qmb::settings
