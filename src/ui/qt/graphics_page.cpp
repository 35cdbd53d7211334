#include "ui/qt/graphics_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "graphs_qt/qt_canvas.h"
#include "ui/control/graphics_texts.h"
#include "ui/control/mnemonics.h"

namespace quarlin::ui {
namespace {

// The image is shown pixel for pixel, as it is saved.
QLabel* ImageLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setFixedSize(kGraphWidth, kGraphHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

GraphicsPage::GraphicsPage(GraphicsController& controller, const QtGraphDrawer& drawer,
                           std::function<void()> afterEvent)
    : controller_(controller), drawer_(drawer), afterEvent_(std::move(afterEvent)) {
  setObjectName("GraphicsTabSheet");
  makeGraph_ = Button("Make graph", "MakeGraphButton", &GraphicsController::MakeGraphButtonClick);
  select_ = Button("Graph selection", "SelectButton", &GraphicsController::SelectButtonClick);
  saveGraph_ =
      Button("Save color graph", "SaveGraphButton", &GraphicsController::SaveGraphButtonClick);
  saveBlWh_ =
      Button("Save black-white graph", "SaveBlWhButton", &GraphicsController::SaveBlWhButtonClick);
  confBelt_ = Button(kHideBeltCaption, "ConfBeltButton", &GraphicsController::ConfBeltButtonClick);

  // The buttons head the page; below them the choices and the graph take
  // turns. Beside the choices, the buttons of a graph already made would
  // widen the window.
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {makeGraph_, select_, saveGraph_, saveBlWh_, confBelt_})
    buttons->addWidget(button);
  buttons->addStretch();

  graphImage_ = ImageLabel("GraphImage");
  pictureImage_ = ImageLabel("PictureImage");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(BuildChoices(), 0, Qt::AlignLeft);
  layout->addWidget(graphImage_);
  layout->addWidget(pictureImage_);
  layout->addStretch();
  Render();
}

QGroupBox* GraphicsPage::BuildChoices() {
  auto* group = new QGroupBox("Make graph");
  group->setObjectName("GraphicsRadioGroup");
  choicesPanel_ = group;
  choices_ = new QButtonGroup(this);
  auto* column = new QVBoxLayout(group);
  for (int i = 0; i < 6; ++i) {
    radios_[i] = new QRadioButton(QString::fromStdString(WithMnemonic(kGraphChoiceCaptions[i])));
    radios_[i]->setObjectName(kGraphChoiceNames[i]);
    choices_->addButton(radios_[i], i + 1);
    column->addWidget(radios_[i]);
  }
  connect(choices_, &QButtonGroup::idClicked, this,
          [this](int type) { Forward([this, type] { controller_.Check(type); }); });
  go_ = new QPushButton(QString::fromStdString(WithMnemonic("Go")));
  QPushButton* go = go_;
  go->setObjectName("GoButton");
  connect(go, &QPushButton::clicked, this,
          [this] { Forward([this] { controller_.GoButtonClick(); }); });
  column->addWidget(go, 0, Qt::AlignLeft);
  return group;
}

QPushButton* GraphicsPage::Button(const char* caption, const char* name,
                                  void (GraphicsController::*event)()) {
  auto* button = new QPushButton(QString::fromStdString(WithMnemonic(caption)));
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this,
          [this, event] { Forward([this, event] { (controller_.*event)(); }); });
  return button;
}

std::vector<QWidget*> GraphicsPage::TabOrder() const {
  std::vector<QWidget*> order(radios_.begin(), radios_.end());
  for (QWidget* widget :
       std::initializer_list<QWidget*>{go_, makeGraph_, select_, saveGraph_, saveBlWh_, confBelt_})
    order.push_back(widget);
  return order;
}

void GraphicsPage::Forward(const std::function<void()>& event) {
  event();
  if (afterEvent_) afterEvent_();
}

void GraphicsPage::RenderChoices(const GraphicsPageModel& model) {
  choicesPanel_->setVisible(model.choicesShown);
  radios_[kConfidenceOfXGraph - 1]->setEnabled(model.xConfidenceEnabled);
  if (QAbstractButton* checked = choices_->checkedButton();
      checked && choices_->id(checked) != model.checkedType) {
    // An exclusive group keeps one button checked; none is wanted here.
    choices_->setExclusive(false);
    checked->setChecked(false);
    choices_->setExclusive(true);
  }
  if (model.checkedType >= kCumulativeGraph && model.checkedType <= kIntervalObservedGraph)
    radios_[model.checkedType - 1]->setChecked(true);
}

void GraphicsPage::Render() {
  const GraphicsPageModel& model = controller_.Model();
  RenderChoices(model);
  makeGraph_->setVisible(model.makeGraphButton);
  makeGraph_->setEnabled(model.makeGraphEnabled);
  select_->setVisible(model.selectButton);
  saveGraph_->setVisible(model.saveButtons);
  saveBlWh_->setVisible(model.saveButtons);
  confBelt_->setVisible(model.confBeltButton);
  confBelt_->setText(QString::fromStdString(WithMnemonic(model.confBeltCaption)));
  if (model.imageRevision != shownRevision_) {
    shownRevision_ = model.imageRevision;
    graphImage_->setPixmap(QPixmap::fromImage(drawer_.Image()));
    pictureImage_->setPixmap(QPixmap::fromImage(drawer_.Picture()));
  }
  graphImage_->setVisible(model.imageShown);
  pictureImage_->setVisible(model.pictureShown);
  pictureImage_->setToolTip(QString::fromStdString(model.pictureFile));
}

}  // namespace quarlin::ui
