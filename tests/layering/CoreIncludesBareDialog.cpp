#include <QDialog>
