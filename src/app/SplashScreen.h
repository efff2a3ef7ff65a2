#pragma once

#include <QWidget>

// Shown while the program starts: a picture and a strip with name, version
// and web address.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);
};
