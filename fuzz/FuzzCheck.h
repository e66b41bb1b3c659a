#pragma once

#include <QLocale>
#include <QString>
#include <cstdio>
#include <cstdlib>

// A broken rule is a finding: print what was seen and stop so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition, ...)                                                                                     \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s\n", #condition);                                               \
            std::fprintf(stderr, __VA_ARGS__);                                                                         \
            std::fputc('\n', stderr);                                                                                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace quillory::fuzz {

inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

inline QByteArray shown(const QString &s)
{
    return s.toUtf8();
}

} // namespace quillory::fuzz

// The locale the program's users have, so that runs do not depend on the machine's.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}
