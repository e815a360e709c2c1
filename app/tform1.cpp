#include "app/tform1.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "app/error_display.h"
#include "app/comparison_window.h"
#include "app/search_window.h"

namespace {

// "MS Sans Serif" where it exists, else the nearest sans-serif face, always
// at the layout's pixel sizes.
QFont layoutFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

const QFont& bold10() {
  static const QFont font = layoutFont(13, true);
  return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QFont& font = bold10()) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->adjustSize();
  label->move(left, top);
  return label;
}

template <typename Control>
Control* place(Control* control, QWidget* widget, const char* name, const QString& accessibleName,
               QRect geometry) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setAccessibleName(accessibleName);
  widget->setGeometry(geometry);
  return control;
}

app::DetailBox* makeDetailBox(QWidget* parent, const char* name, const QString& accessibleName, QRect geometry,
                              bool scrollBar, bool framed) {
  auto* box = new app::DetailBox(parent);
  app::LineView* edit = box->widget();
  edit->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (!framed) {
    // No border; a background of its own marks the box's area, so that the
    // scroll bar stands inside it rather than beside nothing.
    edit->setFrameShape(QFrame::NoFrame);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::AlternateBase));
    edit->setPalette(palette);
  }
  if (!scrollBar) box->readableWhenCut();
  return place(box, edit, name, accessibleName, geometry);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tarvelo"));
  setFont(layoutFont(11, false));
  move(68, 106);
  // The layout's outer size of 800 x 519 less an ordinary window frame. The
  // layout never moves, so the window keeps this size; Qt's high-DPI scaling
  // scales it as a whole.
  setFixedSize(792, 492);
  createControls();
  wireHandlers();
  setTabOrder();
  ComboBox1->widget()->setFocus();
  // A reload keeps the window painting while the files are read.
  Data.onProgress([this] { repaintNow(); });
  runUserEvent([this] { Init(this); });
}

TForm1::~TForm1() {
  // The controls outlive this body; nothing they report while they are torn
  // down may reach the handlers.
  for (app::DropDownBox* box : {ComboBox1, ComboBox2, ComboBox3}) box->onUserChange({});
  RadioGroup1->onClick({});
  RadioGroup1->onUserSelect({});
  MaskEdit1->model().onChange({});
  MaskEdit1->model().onContinuation({}, {});
  MaskEdit1->onUserAction([](const std::function<void()>&) {});
  Button1->disconnect(this);
}

void TForm1::createControls() {
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 777, 481);

  const QFont bold18 = layoutFont(24, true);
  const QFont bold24 = layoutFont(32, true);

  Label1 = makeLabel(this, "Label1", QStringLiteral("Jahr"), 16, 16);
  ComboBox1 = new app::DropDownBox(this);
  place(ComboBox1, ComboBox1->widget(), "ComboBox1", QStringLiteral("Jahr"), {16, 34, 60, 24});
  ComboBox1->widget()->setFont(bold10());
  ComboBox1->setText("2008");
  Label1->setBuddy(ComboBox1->widget());

  Label9 = makeLabel(this, "Label9", QStringLiteral("OPS-Ziffer"), 88, 16);
  MaskEdit1 = new app::OpsField(this);
  place(MaskEdit1, MaskEdit1, "MaskEdit1", QStringLiteral("OPS-Ziffer"), {88, 34, 73, 24});
  MaskEdit1->setFont(bold10());
  Label9->setBuddy(MaskEdit1);
  MaskEdit1->setToolTip(QStringLiteral("OPS-Kode eintippen, mit oder ohne Trennzeichen (8-918.01 oder 891801).\n"
                                       "Mehrere Kodes, alle Jahre oder W\u00F6rter: Suche mit Strg+F."));

  RadioGroup1 = new app::KindSelector(this, QStringLiteral("Zusatzentgelt"),
                                      QStringLiteral("bundeseinheitlich (Anlage 2/5)"),
                                      QStringLiteral("krankenhausindividuell (Anlage 4/6)"));
  place(RadioGroup1, RadioGroup1->widget(), "RadioGroup1", QStringLiteral("Zusatzentgelt"), {200, 16, 297, 57});
  RadioGroup1->widget()->setFont(bold10());
  RadioGroup1->button(0)->setGeometry(8, 19, 285, 17);
  RadioGroup1->button(1)->setGeometry(8, 37, 285, 17);

  Label4 = makeLabel(this, "Label4", QStringLiteral("Betrag"), 0, 16);
  Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label4->move(772 - Label4->width(), 16);
  Label5 = new app::AmountLabel(this, 769, 38);
  Label5->widget()->setObjectName(QStringLiteral("Label5"));
  Label5->widget()->setFont(bold24);
  Label5->widget()->setAccessibleDescription(QStringLiteral("Betrag"));

  Label2 = makeLabel(this, "Label2", QStringLiteral("ZE-Gruppe"), 16, 80);
  Button1 = new QPushButton(QStringLiteral("OPS-Match"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setFont(bold10());
  Button1->setGeometry(104, 72, 90, 25);
  Button1->setVisible(false);
  Label63 = makeLabel(this, "Label63", QStringLiteral("ZE-Gruppenbezeichnung"), 200, 80);
  ComboBox2 = new app::DropDownBox(this);
  place(ComboBox2, ComboBox2->widget(), "ComboBox2", QStringLiteral("ZE-Gruppe"), {16, 98, 180, 37});
  ComboBox2->widget()->setFont(bold18);
  Label2->setBuddy(ComboBox2->widget());
  RichEdit2 = makeDetailBox(this, "RichEdit2", QStringLiteral("ZE-Gruppenbezeichnung"), {200, 98, 569, 37}, false, true);
  Label63->setBuddy(RichEdit2->widget());

  Label7 = makeLabel(this, "Label7", QStringLiteral("ausl\u00F6sende OPS-Ziffer(n):"), 16, 136);
  RichEdit3 = makeDetailBox(this, "RichEdit3", QStringLiteral("ausl\u00F6sende OPS-Ziffer(n) der ZE-Gruppe"),
                            {16, 152, 753, 58}, true, true);
  Label7->setBuddy(RichEdit3->widget());
  Label64 = makeLabel(this, "Label64", QStringLiteral("Fu\u00DFnote ZE-Katalog:"), 16, 216);
  RichEdit5 = makeDetailBox(this, "RichEdit5", QStringLiteral("Fu\u00DFnote ZE-Katalog der ZE-Gruppe"),
                            {16, 232, 753, 41}, true, false);
  Label64->setBuddy(RichEdit5->widget());

  Label6 = makeLabel(this, "Label6", QStringLiteral("ZE"), 16, 288);
  Label3 = makeLabel(this, "Label3", QStringLiteral("ZE-Bezeichnung"), 200, 288);
  ComboBox3 = new app::DropDownBox(this);
  place(ComboBox3, ComboBox3->widget(), "ComboBox3", QStringLiteral("ZE"), {16, 306, 180, 37});
  ComboBox3->widget()->setFont(bold18);
  Label6->setBuddy(ComboBox3->widget());
  RichEdit1 = makeDetailBox(this, "RichEdit1", QStringLiteral("ZE-Bezeichnung"), {200, 306, 569, 37}, false, true);
  Label3->setBuddy(RichEdit1->widget());
  Label65 = makeLabel(this, "Label65", QStringLiteral("ausl\u00F6sende OPS-Ziffer(n):"), 16, 344);
  RichEdit4 = makeDetailBox(this, "RichEdit4", QStringLiteral("ausl\u00F6sende OPS-Ziffer(n) des ZE"),
                            {16, 360, 753, 58}, true, true);
  Label65->setBuddy(RichEdit4->widget());
  Label8 = makeLabel(this, "Label8", QStringLiteral("Fu\u00DFnote ZE-Katalog:"), 16, 424);
  RichEdit6 = makeDetailBox(this, "RichEdit6", QStringLiteral("Fu\u00DFnote ZE-Katalog des ZE"),
                            {16, 440, 753, 41}, true, false);
  Label8->setBuddy(RichEdit6->widget());
  syncControls();
}

void TForm1::wireHandlers() {
  ComboBox1->onUserChange([this] { runUserEvent([this] { ZE_Gruppe_holen(ComboBox1->widget()); }); });
  ComboBox2->onUserChange([this] { runUserEvent([this] { ZEs_holen(ComboBox2->widget()); }); });
  ComboBox3->onUserChange([this] { runUserEvent([this] { Werte_holen(ComboBox3->widget()); }); });
  RadioGroup1->onClick([this] { ZE_Gruppe_holen(RadioGroup1->widget()); });
  RadioGroup1->onUserSelect([this](int index) { runUserEvent([this, index] { RadioGroup1->setItemIndex(index); }); });
  MaskEdit1->model().onChange([this] { ZE_suchen(MaskEdit1); });
  MaskEdit1->model().onContinuation([this](const std::string& code) { return probeLongerCode(code); },
                                    [this](const std::string& code) { showLongerCode(code); });
  MaskEdit1->onUserAction([this](const std::function<void()>& action) { runUserEvent(action); });
  MaskEdit1->onStateShown([this] {
    if (eventShown_) eventShown_();
  });
  connect(Button1, &QPushButton::clicked, this, [this] { runUserEvent([this] { Button1Click(Button1); }); });
  // The button stays hidden; maintainers reach the rebuild by keyboard.
  auto* rebuild = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this);
  connect(rebuild, &QShortcut::activated, this, [this] { runUserEvent([this] { Button1Click(Button1); }); });
  auto* search = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
  connect(search, &QShortcut::activated, this, [this] { showSearchWindow(); });
  auto* comparison = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this);
  connect(comparison, &QShortcut::activated, this, [this] { showComparisonWindow(); });
  auto* open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
  connect(open, &QShortcut::activated, this, [this] {
    const QString folder = chooseFolder(this);
    runUserEvent([this, folder] { openFolder(folder); });
  });
}

void TForm1::setTabOrder() {
  const QList<QWidget*> order = {ComboBox1->widget(),  MaskEdit1,           RadioGroup1->button(0),
                                 RadioGroup1->button(1), ComboBox2->widget(), ComboBox3->widget(),
                                 RichEdit2->widget(),  RichEdit1->widget(), RichEdit3->widget(),
                                 RichEdit4->widget(),  RichEdit5->widget(), RichEdit6->widget()};
  for (qsizetype i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
  Button1->setFocusPolicy(Qt::NoFocus);
}

void TForm1::runUserEvent(const std::function<void()>& event) {
  const int generation = catalogGeneration_;
  reloadedBeforeRebuild_ = false;
  // Showing the controls belongs to the event: its errors are shown too.
  auto error = app::runCatchingErrors(event);
  const auto paintError = app::runCatchingErrors([this] { syncControls(); });
  if (!error) error = paintError;
  if (error) app::showErrorMessage(*error);
  // A reload or a rebuild's walk changed the tables the search rows refer to.
  if (searchWindow_) searchWindow_->followCatalogChange();
  if (comparisonWindow_) comparisonWindow_->followCatalogChange();
  if (generation != catalogGeneration_ && catalogLoaded_) catalogLoaded_();
  // Marking and saying what the form cannot come after the controls show
  // the event's result; they change nothing the handlers read.
  app::runCatchingErrors([this] { markHitCode(); });
  if (eventShown_) eventShown_();
}

void TForm1::syncControls() {
  ComboBox1->sync();
  ComboBox2->sync();
  ComboBox3->sync();
  RadioGroup1->sync();
  MaskEdit1->sync();
  Label5->sync();
  for (app::DetailBox* box : {RichEdit1, RichEdit2, RichEdit3, RichEdit4, RichEdit5, RichEdit6}) box->sync();
}

void TForm1::repaintNow() {
  constexpr qint64 kFrameMilliseconds = 25;
  // A hidden window (the command line's) shows its controls once its event
  // ends; asking the clock for every ZE of a walk cost more than the walk.
  if (!isVisible()) return;
  if (lastRepaint_.isValid() && lastRepaint_.elapsed() < kFrameMilliseconds) return;
  syncControls();
  repaint();
  lastRepaint_.start();
}
