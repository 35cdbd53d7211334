#pragma once
// The Graphics page: the six choices of graph with Go, the page's buttons
// and the graph or saved picture at its own size. It forwards each event to
// the GraphicsController and draws the controller's model when asked.

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "ui/control/graphics_controller.h"
#include "ui/qt/qt_graph_drawer.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quarlin::ui {

// The object names of the six choices, in the order of the graph types.
inline constexpr std::array<const char*, 6> kGraphChoiceNames{
    "CumulativeRadioButton", "IntervalRadioButton", "X_ConfidenceRadioButton",
    "ReturnRadioButton",     "QQRadioButton",       "histoRadioButton",
};

class GraphicsPage : public QWidget {
 public:
  // `afterEvent` runs after each event handed to the controller: the main
  // window draws itself, this page included, then.
  GraphicsPage(GraphicsController& controller, const QtGraphDrawer& drawer,
               std::function<void()> afterEvent);

  void Render();
  // The page's controls in the order of the Tab key: the choices, Go, then
  // the buttons.
  std::vector<QWidget*> TabOrder() const;

 private:
  void Forward(const std::function<void()>& event);
  QGroupBox* BuildChoices();
  QPushButton* Button(const char* caption, const char* name, void (GraphicsController::*event)());
  void RenderChoices(const GraphicsPageModel& model);

  GraphicsController& controller_;
  const QtGraphDrawer& drawer_;
  std::function<void()> afterEvent_;
  QWidget* choicesPanel_ = nullptr;
  QButtonGroup* choices_ = nullptr;
  std::array<QRadioButton*, 6> radios_{};
  QPushButton* go_ = nullptr;
  QPushButton* makeGraph_ = nullptr;
  QPushButton* select_ = nullptr;
  QPushButton* saveGraph_ = nullptr;
  QPushButton* saveBlWh_ = nullptr;
  QPushButton* confBelt_ = nullptr;
  QLabel* graphImage_ = nullptr;
  QLabel* pictureImage_ = nullptr;
  unsigned shownRevision_ = 0;
};

}  // namespace quarlin::ui
