#pragma once

#include <QWidget>

namespace platform {

// The fingerprint panel of the password form: an empty area over the reader library.
// Nothing here starts the panel's own reading, so it never shows or reports anything;
// stopping it closes the reader library when that library is installed.
class TQORFinger final : public QWidget {
public:
    explicit TQORFinger(QWidget *parent = nullptr);

    void stop();
};

} // namespace platform
