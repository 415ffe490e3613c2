// Enumerations and small sets shared by the print run, its dialog and its windows.
#pragma once

#include <bitset>
#include <cstddef>
#include <initializer_list>

// A set of enumeration values, as the print run's option properties are sets.
template <class E, std::size_t N> class TEnumSet {
  public:
    constexpr TEnumSet() = default;
    TEnumSet(std::initializer_list<E> values) {
        for (E v : values)
            Include(v);
    }
    bool Contains(E v) const { return Bits.test(static_cast<std::size_t>(v)); }
    void Include(E v) { Bits.set(static_cast<std::size_t>(v)); }
    void Exclude(E v) { Bits.reset(static_cast<std::size_t>(v)); }
    bool operator==(const TEnumSet&) const = default;

  private:
    std::bitset<N> Bits;
};

enum TSystemSetup {
    ssAllowSetup,
    ssAllowCopies,
    ssAllowCollate,
    ssAllowDuplex,
    ssAllowDestPreview,
    ssAllowDestPrinter,
    ssAllowDestFile,
    ssAllowPrinterSetup,
    ssAllowPreviewSetup,
};
using TSystemSetups = TEnumSet<TSystemSetup, 9>;

enum TSystemOption {
    soUseFiler,
    soWaitForOK,
    soShowStatus,
    soAllowPrintFromPreview,
    soPreviewModal,
    soNoGenerate,
};
using TSystemOptions = TEnumSet<TSystemOption, 6>;

enum TReportDest { rdPreview, rdPrinter, rdFile };

enum TOverrideMode { omCreate, omShow, omWait, omFree };

// Every setup the dialog can offer; the default of `SystemSetups`.
inline TSystemSetups AllSystemSetups() {
    return {ssAllowSetup,       ssAllowCopies,   ssAllowCollate,      ssAllowDuplex,      ssAllowDestPreview,
            ssAllowDestPrinter, ssAllowDestFile, ssAllowPrinterSetup, ssAllowPreviewSetup};
}

// How the preview places the page in its picture: a margin fixed in pixels or scaled with zoom.
enum TMarginMethod { mmFixed, mmScaled };
enum TRulerType { rtNone, rtHorizCm, rtVertCm, rtBothCm, rtHorizIn, rtVertIn, rtBothIn };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
