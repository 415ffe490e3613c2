// The PDF document being built: its objects (catalog, outlines, page tree, pages, procedure set,
// fonts, images), their numbering, and the file layout with the cross-reference table. The renderer
// feeds it; it knows nothing of page streams.
#pragma once

#include "pdf/TPDFCatalog.h"
#include "pdf/TPDFFont.h"
#include "pdf/TPDFOptions.h"
#include "pdf/TPDFOutlines.h"
#include "pdf/TPDFPage.h"
#include "pdf/TPDFPages.h"
#include "pdf/TPDFProcSet.h"
#include "pdf/TPDFXObject.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pdf {

class TPDFDocument {
  public:
    // Creates the fixed objects and the first page.
    explicit TPDFDocument(const TPDFOptions& options);
    TPDFDocument(const TPDFDocument&) = delete;
    TPDFDocument& operator=(const TPDFDocument&) = delete;

    const TPDFOptions& Options;

    std::vector<std::unique_ptr<TPDFPage>> PageList;     // "P1", "P2", ...
    std::vector<std::unique_ptr<TPDFXObject>> ImageList; // "G1", "G2", ...
    std::vector<std::unique_ptr<TPDFFont>> FontList;     // keyed by base font name
    std::vector<std::string> OutlineList;                // nothing adds to it
    std::vector<uint64_t> XrefList;                      // offset of object n at index n-1
    std::unique_ptr<TPDFCatalog> Catalog;
    std::unique_ptr<TPDFPages> PageTree;
    std::unique_ptr<TPDFOutlines> Outlines;
    std::unique_ptr<TPDFProcSet> ProcSet;
    uint64_t XrefStart = 0;

    TPDFPage& AddPage();
    // Takes Image as a new image object; returns its name. A picture is made into an image once:
    // a Key names its source, and FindImage finds the image made from that source before.
    std::string AddImage(const TPdfJpegImage& Image, const std::string& Key = {});
    const TPDFXObject* FindImage(const std::string& Key) const;

    // --- the text of the object being written lands in the target an TOutputScope names ---
    class TOutputScope {
      public:
        TOutputScope(TPDFDocument& document, std::string& target);
        ~TOutputScope();
        TOutputScope(const TOutputScope&) = delete;
        TOutputScope& operator=(const TOutputScope&) = delete;

      private:
        TPDFDocument& Document_;
        std::string* Previous_;
    };
    void Put(std::string_view text);
    void PutLine(std::string_view text);

    bool CompressionUsed() const { return Options.UseCompression && static_cast<bool>(Options.OnCompress); }
    // Runs OnCompress on Data; Method receives the filter name.
    std::string Compress(const std::string& Data, std::string& Method) const;

    void NumberObjects();
    // The whole file: header, objects, information dictionary, cross-reference table and trailer.
    std::string Write();

  private:
    void WriteObject(std::string& file, TPDFObject& object);
    void WriteInfoDictionary(std::string& file);
    void WriteXrefAndTrailer(std::string& file);

    std::string* Output_ = nullptr;
    std::map<std::string, TPDFXObject*> ImageKeys_;
};

} // namespace pdf
