#pragma once

#include <QString>
#include <stdexcept>

// An error of the database engine, carrying the engine's own text. The logbook shows that
// text and ends (see TarvelinApplication); only the edit-flight form's save catches it.
class EngineError : public std::runtime_error
{
public:
    explicit EngineError(const QString &text)
        : std::runtime_error(text.toStdString())
        , mText(text)
    {}

    const QString &text() const { return mText; }

private:
    QString mText;
};
