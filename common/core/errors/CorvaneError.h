#pragma once

#include <QString>
#include <exception>

// An error that reaches the user as a message box with its own text.
class CorvaneError : public std::exception
{
public:
    explicit CorvaneError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A statement the database rejected; the message is the driver's own text.
class DatabaseError : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};
