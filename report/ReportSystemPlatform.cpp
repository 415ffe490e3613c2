#include "report/ReportSystemPlatform.h"

#include "report/ReportError.h"

namespace {

class TWindowlessPlatform final : public TReportSystemPlatform {
  public:
    bool HasPrinter() override { return false; }
    int PrinterMaxCopies() override { return 1; }
    std::string PrinterDisplayName() override { return {}; }
    bool PrinterSetupDialog() override { return false; }
    TReferenceDevice PrinterReference() override { return {}; }
    void PrintStream(TReportSystem&, TStream&, const std::string&, int) override {
        throw EReportError("No printers installed!");
    }
    void SetupHandler(TReportSystem&, TOverrideMode, std::unique_ptr<TRunForm>&) override {}
    void StatusHandler(TReportSystem&, TOverrideMode, std::unique_ptr<TRunForm>&) override {}
    void PreviewHandler(TReportSystem&, TOverrideMode, std::unique_ptr<TRunForm>&) override {}
};

} // namespace

TReportSystemPlatform& WindowlessReportPlatform() {
    static TWindowlessPlatform platform;
    return platform;
}
