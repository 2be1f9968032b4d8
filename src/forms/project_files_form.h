// "Project Files": building and editing the file list of a sorvik project (.svk). A file
// browser on the left shows the folders and the source files not yet in the project;
// the list on the right is the project.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

class QFileSystemModel;
class QListWidget;
class QModelIndex;
class QTreeView;

namespace sorvik {

struct AppContext;
class SourceFileFilter;

class TProjectFilesForm : public QDialog {
  Q_OBJECT

 public:
  // `projectPath` is empty for a new project: "OK" then asks where to keep it.
  TProjectFilesForm(AppContext& context, std::string projectPath, QWidget* parent);
  ~TProjectFilesForm() override;

  // Fills the list from the project's [Files] section ("Edit Project").
  void LoadProject();
  // Adds the file or folder as "Add Source files" does with the browser's selection.
  void addSource(const std::string& path);
  bool HasFileBeenAdded(const std::string& path) const;

  const std::vector<std::string>& files() const { return files_; }
  const std::string& projectPath() const { return projectPath_; }
  // Where a new project is saved; asks with a save dialog unless a test sets it.
  std::function<std::string()> chooseProjectPath;

  void AddSrcBtnClick();
  void RemoveSourceBtnClick();
  void OKBtnClick();
  void CancelBtnClick();

 private:
  void appendFile(const std::string& path);
  void refreshBrowser();

  AppContext& context_;
  std::string projectPath_;
  std::vector<std::string> files_;
  std::unordered_multiset<std::string> addedKeys_;  // the files' upper-cased paths
  QFileSystemModel* model_;
  SourceFileFilter* filter_;
  QTreeView* browser_;
  QListWidget* list_;
};

// The extensions a sorvik project lists, upper-cased.
bool isProjectSourceFile(const std::string& path);

}  // namespace sorvik
