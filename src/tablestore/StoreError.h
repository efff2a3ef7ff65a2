#pragma once

#include <QString>

#include <stdexcept>

// An error of the table store. It stops the operation in progress; its
// German text is what the user sees.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& text)
        : std::runtime_error(text.toStdString()), Message(text) {}
    const QString& Text() const { return Message; }

private:
    QString Message;
};
