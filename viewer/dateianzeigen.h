#pragma once
// Opens the results viewer on a file, creating the viewer when there is none.

#include <QString>

class frmRTF;

class ViewerHost {
public:
    virtual ~ViewerHost() = default;
    virtual frmRTF* existingViewer() = 0;
    virtual frmRTF* createViewer() = 0;  // created and loaded, not shown
    virtual void showViewer(frmRTF* viewer) = 0;
};

// Sets the font "Courier New", loads the file and shows the viewer. Each step that fails
// gets the " Fehler " box with the system's description: Abort, Retry, Ignore.
void DateiAnzeigen(const QString& name, ViewerHost& host);
