// A fresh folder under the system's temporary folder, removed with everything in it afterwards.
#pragma once

#include <string>
#include <vector>

namespace platform::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return Folder; }
    std::string File(const std::string& name) const { return Folder + "/" + name; }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

  private:
    std::string Folder;
};

std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);

} // namespace platform::test
