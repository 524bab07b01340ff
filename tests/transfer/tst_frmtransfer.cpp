#include "QmrkGuiTestMain.h"
class TstFrmTransfer : public QObject { Q_OBJECT };
QMRK_GUI_TEST_MAIN(TstFrmTransfer)
#include "tst_frmtransfer.moc"
