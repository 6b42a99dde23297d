// The hot-lap import window frmhof. Its load step reads the GP2 directory;
// the editor consults its session each time the editor becomes active.
#pragma once

#include <QWidget>

class QLineEdit;

namespace velomark {

class HotlapImportWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HotlapImportWindow(QWidget* parent = nullptr);

    // Reads gp2path. When it cannot be read, tells the user to set the GP2
    // directory and returns false; the caller then closes this window and the editor.
    bool load();

    QString session() const;
    QString gp2p() const;

  private:
    QLineEdit* m_gp2p = nullptr;
    QLineEdit* m_session = nullptr;
};

} // namespace velomark
