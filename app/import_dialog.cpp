#include "app/import_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/error_display.h"
#include "app/text_codec.h"
#include "annex/messages.h"
#include "catalog/errors.h"

namespace app {
namespace {

constexpr std::array<const char*, 4> kAnnexTitles = {
    "Anlage &2 (bundeseinheitliche ZE, Betr\u00E4ge):", "Anlage &4 (krankenhausindividuelle ZE):",
    "Anlage &5 (Definitionen, differenzierte Betr\u00E4ge):", "Anlage &6 (Definitionen krankenhausindividuell):"};
constexpr std::array<const char*, 4> kObjectNames = {"Anlage2", "Anlage4", "Anlage5", "Anlage6"};

bool askToImport(QWidget* parent, const QString& question) {
  return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), question,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

QString chooseFile(QWidget* parent, const QString& caption) {
  return QFileDialog::getOpenFileName(parent, caption, QString(),
                                      QStringLiteral("Anlagen (*.pdf *.csv *.xlsx *.txt);;Alle Dateien (*)"));
}

std::string pathOf(const QString& name) {
  const QByteArray bytes = QFile::encodeName(name);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString confirmationText(const annex::ImportPlan& plan) {
  std::size_t added = 0, removed = 0;
  for (std::size_t f = 0; f < plan.added.size(); ++f) {
    added += plan.added[f];
    removed += plan.removed[f];
  }
  return QStringLiteral("Jahr %1 importieren? %2 Zeilen werden geschrieben, %3 Zeilen des Jahres %1 ersetzt; "
                        "danach wird OPS-Zuordnung.csv neu geschrieben.")
      .arg(toQString(plan.year), QLocale(QLocale::German).toString(static_cast<qulonglong>(added)),
           QLocale(QLocale::German).toString(static_cast<qulonglong>(removed)));
}

}  // namespace

std::function<bool(QWidget*, const QString&)> ImportDialog::confirmImport = askToImport;
std::function<QString(QWidget*, const QString&)> ImportDialog::chooseAnnex = chooseFile;

ImportDialog::ImportDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AnlagenImportieren"));
  setWindowTitle(QStringLiteral("Anlagen importieren"));
  auto* form = new QFormLayout;
  for (std::size_t a = 0; a < files_.size(); ++a) {
    files_[a] = new QLineEdit(this);
    files_[a]->setObjectName(QLatin1String(kObjectNames[a]));
    files_[a]->setMinimumWidth(420);
    auto* browse = new QPushButton(QStringLiteral("Durchsuchen\u2026"), this);
    browse->setObjectName(QLatin1String(kObjectNames[a]) + QStringLiteral("Durchsuchen"));
    const QString caption = QString::fromUtf8(kAnnexTitles[a]).remove(QLatin1Char('&')).chopped(1);
    browse->setAccessibleName(caption + QStringLiteral(" ausw\u00E4hlen"));
    connect(browse, &QPushButton::clicked, this, [this, a, caption] {
      const QString chosen = chooseAnnex(this, caption);
      if (!chosen.isEmpty()) files_[a]->setText(chosen);
    });
    connect(files_[a], &QLineEdit::textChanged, this, [this] { forgetReading(); });
    auto* row = new QHBoxLayout;
    row->addWidget(files_[a], 1);
    row->addWidget(browse);
    auto* label = new QLabel(QString::fromUtf8(kAnnexTitles[a]), this);
    label->setBuddy(files_[a]);
    form->addRow(label, row);
  }
  year_ = new QLineEdit(this);
  year_->setObjectName(QStringLiteral("Jahr"));
  year_->setMaxLength(4);
  year_->setInputMask(QStringLiteral("9999"));
  year_->setFixedWidth(year_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  connect(year_, &QLineEdit::textChanged, this, [this] { plan_.reset(); importButton_->setEnabled(false); });
  auto* yearLabel = new QLabel(QStringLiteral("&Jahr:"), this);
  yearLabel->setBuddy(year_);
  form->addRow(yearLabel, year_);

  report_ = new QPlainTextEdit(this);
  report_->setObjectName(QStringLiteral("Bericht"));
  report_->setAccessibleName(QStringLiteral("Bericht"));
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::NoWrap);
  report_->setMinimumHeight(260);

  auto* buttons = new QDialogButtonBox(this);
  readButton_ = buttons->addButton(QStringLiteral("&Einlesen"), QDialogButtonBox::ActionRole);
  readButton_->setObjectName(QStringLiteral("Einlesen"));
  importButton_ = buttons->addButton(QStringLiteral("&Importieren"), QDialogButtonBox::AcceptRole);
  importButton_->setObjectName(QStringLiteral("Importieren"));
  importButton_->setEnabled(false);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(readButton_, &QPushButton::clicked, this, [this] {
    if (const auto error = runCatchingErrors([this] { read(); })) {
      report_->setPlainText(toQString(*error));
      showErrorMessage(*error);
    }
  });
  connect(importButton_, &QPushButton::clicked, this, [this] {
    if (const auto error = runCatchingErrors([this] { importConfirmed(); })) showErrorMessage(*error);
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel(QStringLiteral("Bericht:"), this));
  layout->addWidget(report_, 1);
  layout->addWidget(buttons);
}

void ImportDialog::forgetReading() {
  read_.reset();
  plan_.reset();
  importButton_->setEnabled(false);
}

// Reads the four annexes and shows what the import would write.
void ImportDialog::read() {
  forgetReading();
  report_->clear();
  for (std::size_t a = 0; a < files_.size(); ++a)
    if (files_[a]->text().trimmed().isEmpty())
      throw catalog::Error("Bitte die Datei f\xFCr " + annex::annexName(static_cast<int>(a < 2 ? 2 + 2 * a : a + 3)) +
                           " angeben.");
  read_ = annex::readAnnexes({pathOf(files_[0]->text()), pathOf(files_[1]->text()), pathOf(files_[2]->text()),
                              pathOf(files_[3]->text())});
  if (year_->text().trimmed().size() != 4 && read_->printedYear) {
    const QSignalBlocker quiet(year_);
    year_->setText(toQString(*read_->printedYear));
  }
  plan_ = annex::planImport(read_->annexes, toCp1252(year_->text()));
  QStringList lines;
  for (const std::string& line : annex::reportLines(*plan_)) lines << toQString(line);
  report_->setPlainText(lines.join(QLatin1Char('\n')));
  importButton_->setEnabled(true);
}

void ImportDialog::importConfirmed() {
  if (!plan_) read();
  if (!confirmImport(this, confirmationText(*plan_))) return;
  accept();
}

}  // namespace app
