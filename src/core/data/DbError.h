#pragma once

#include <QString>
#include <stdexcept>

namespace quillory {

// A failure reported by the database engine; what() is the text shown to the user.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

} // namespace quillory
