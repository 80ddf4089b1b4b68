#pragma once
// The application's end of the map page's Qt WebChannel, published to the page as "korivMap":
// the page calls routeClicked with the nearest sample of a click on the trip's route.

#include <QObject>

class MapPageBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Called by the page: the recording (its id in the drawn trip) and the second within it.
    Q_INVOKABLE void routeClicked(int recording, int second);

signals:
    void clicked(int recording, int second);
};
