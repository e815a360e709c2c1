// Start-up loading: the tables, the year list, the current year and kind.

#include "app/clock.h"
#include "app/tform1.h"
#include "catalog/file_identity.h"
#include "catalog/tables.h"

void TForm1::Init(QObject* Sender) {
  ++catalogGeneration_;
  // Taken before reading: a file that changes while it is read differs
  // from this next time, and is read again before a rebuild.
  loadedCatalog_ = catalog::identityOf(catalog::catalogFilePath(catalog::kCatalogFile));
  // The boxes show the catalog's own text; it goes now.
  for (app::DetailBox* box : {RichEdit1, RichEdit2, RichEdit3, RichEdit4, RichEdit5, RichEdit6}) box->keepOwnCopies();
  Data.clear();
  ComboBox1->clear();
  ComboBox2->clear();

  try {
    Data.loadCatalogLines();
    for (std::string& lineYear : Data.yearsLastFirst()) ComboBox1->append(std::move(lineYear));
    Data.loadFootnotes();
    Data.loadOpsTexts();
    Data.loadAssignments();
  } catch (...) {
    // A failed load shows nothing of the catalog before it, as a load that
    // found no lines: no ZE, no details, no amount under the emptied boxes.
    ComboBox3->clear();
    ComboBox3->setText({});
    for (app::DetailBox* box : {RichEdit1, RichEdit2, RichEdit3, RichEdit4, RichEdit5, RichEdit6}) box->clear();
    Label5->setCaption({});
    throw;
  }

  const std::string currentYear = app::currentYearText();
  ComboBox1->setText(currentYear);
  ComboBox1->select(ComboBox1->find(currentYear));

  RadioGroup1->setItemIndex(0);
  repaintNow();

  Data.splitCatalog();
  ZE_Gruppe_holen(Sender);
}
