// The forms stored in an executable: its RCDATA resources whose data is a form stream,
// read straight from the file's resource directory (PE32 and PE32+) and converted to
// form text.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

struct AppContext;

// The file is no executable, or its resource directory points outside the file, loops or
// gives sizes no file has.
class ExecutableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One form resource: its name and its form text.
struct TDfm {
  std::string Name;
  std::vector<std::string> Lines;
};

// The form resources of an executable's bytes, in the order of its resource directory;
// other resources are passed over. Throws ExecutableError with the loading message for
// `path`, or FormStreamError for a form that cannot be converted.
std::vector<TDfm> readExecutableForms(std::string_view bytes, const std::string& path);

// The executable loaded last and its form resources: a long-lived service of the
// application, read by the executable scan and by whatever shows a resource's text.
class TResourceInfo {
 public:
  // Loads the file and collects its forms; on failure the list is empty and the error
  // passed on.
  void load(const std::string& exeFileName);
  const std::string& ExeFileName() const { return exeFileName_; }
  int Count() const { return static_cast<int>(forms_.size()); }
  const TDfm& Item(int index) const { return forms_[static_cast<size_t>(index)]; }
  // The resource of that name (compared in lower case), or none.
  const TDfm* find(std::string_view name) const;

 private:
  std::string exeFileName_;
  std::vector<TDfm> forms_;
};

// Loads an executable into the context's TResourceInfo.
void LoadExecutableForms(AppContext& context, const std::string& path);

}  // namespace sorvik
