#include "FingerprintKit.h"

namespace platform {
namespace {

// No fingerprint kit is available on this platform: nothing starts, every use fails.
class MissingFingerprintKit final : public FingerprintKit {
public:
    bool BioInicia(int) override { return false; }
    bool BioAbreLeitor(int) override { fail(); }
    bool BioCaptura(int) override { fail(); }
    Identification BioIdentifica(int) override { fail(); }
    void BioAdiciona(int, const QString &, int) override { fail(); }

private:
    [[noreturn]] static void fail()
    {
        throw FingerprintKitError("O kit de biometria não está instalado.");
    }
};

FingerprintKit *installed = nullptr;

} // namespace

FingerprintKit &fingerprintKit()
{
    static MissingFingerprintKit missing;
    return installed ? *installed : missing;
}

void setFingerprintKit(FingerprintKit *kit) { installed = kit; }

} // namespace platform
