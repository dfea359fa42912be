// Changes to the store that come from outside the window (the command line).
#include "app/MainUnit.h"

#include <QTreeView>

void TMainForm::ShowOutsideChange()
{
    // The overview is rebuilt from the store with the rows selected before
    // still selected, and the record under edit is looked up afresh, as the
    // day's records may have moved in memory. The person typing in an
    // editor keeps the focus, the text and its selection.
    selected_ = {};
    ShowInformation(ListRows::Kept);
    TreeView1->viewport()->update();
}
