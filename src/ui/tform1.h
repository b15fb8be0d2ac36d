#pragma once
// The main window: toolbar, navigation, pages and status bar, built from the
// control tables.
#include <QMainWindow>
#include <functional>

#include "engine/captionset.h"
#include "ui/widgetfields.h"

class QTabWidget;

namespace gx {

class CommForm;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // languageName: the English name of the system language, as the start-up sees it.
  TForm1(Captions& captions, const QString& languageName, QWidget* parent = nullptr);
  ~TForm1() override;

  // The communication form comes after the window; until then the port reads closed.
  void setComm(CommForm* comm) { comm_ = comm; }

  WidgetFields& fields() { return fields_; }
  [[nodiscard]] QTabWidget* pageControl() const { return pages_; }
  [[nodiscard]] bool chineseCaptions() const { return chinese_captions; }

  void ShowPage(const QString& page);
  void RefreshTitleAndStatus();
  void ApplyChineseCaptions() { ApplyCaptions(Lang::Chinese); }
  void ApplyEnglishCaptions() { ApplyCaptions(Lang::English); }
  // The close button of the active tab.
  void CloseActiveTab();
  // The name of the active page, empty when no visible page is active.
  [[nodiscard]] QString activePage() const;

  // Handlers.
  void btn44Click();
  void btn51Click();
  void Button2Click();

 private:
  void build();
  void buildToolbar();
  void buildNavigation(QWidget* host);
  void buildPages();
  void buildStatusBar();
  void ApplyCaptions(Lang lang);
  void connectHandlers();
  [[nodiscard]] bool portOpen() const;

  Captions& captions_;
  WidgetFields fields_;
  QTabWidget* pages_ = nullptr;
  CommForm* comm_ = nullptr;
  bool chinese_captions = false;
};

}  // namespace gx
