#pragma once

#include <QString>

#include <stdexcept>

// The fingerprint kit behind employee identification: three reader slots, numbered 1 to 3,
// each started by BioInicia; the terminal only uses slot 1. The templates added to a slot's
// search index carry employee codes as user numbers.
namespace platform {

// The kit could not do what was asked: not installed, reader gone, template rejected.
class FingerprintKitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FingerprintKit {
public:
    static constexpr int kSlots = 3;
    static constexpr int kTerminalSlot = 1;

    struct Identification {
        int user = 0;      // the matching user number, 0 when none matched
        int errorCode = 0; // the kit's error code of the search
    };

    virtual ~FingerprintKit() = default;

    // Starts the slot; false when the kit cannot be started.
    virtual bool BioInicia(int slot) = 0;
    // The operations below throw FingerprintKitError when the kit fails.
    // Reopens the reader; true when it opened.
    virtual bool BioAbreLeitor(int slot) = 0;
    // Waits for a finger in the kit's own capture window; false when failed or cancelled.
    virtual bool BioCaptura(int slot) = 0;
    // Looks the captured finger up in the slot's search index.
    virtual Identification BioIdentifica(int slot) = 0;
    // Adds a stored template to the slot's search index.
    virtual void BioAdiciona(int slot, const QString &templateText, int user) = 0;
};

// The kit in use: the installed one, else the kit of this platform, which is not installed.
FingerprintKit &fingerprintKit();
// Installs a kit (not owned); nullptr restores the platform's.
void setFingerprintKit(FingerprintKit *kit);

} // namespace platform
