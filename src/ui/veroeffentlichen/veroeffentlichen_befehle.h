#pragma once

#include <memory>

class QWidget;

namespace orbela {

class Dialoge;
class KalenderDialog;
class Sitzung;
class WebseitenDialog;

// Publishing the plan: "Als Webseiten speichern..." writes the pages of every
// class, teacher and room into a folder, "Kalender exportieren..." each
// teacher's and class's week as calendar files. Both read the plan, the
// options, the cards' surnames and the name tables as they are now.
class VeroeffentlichenBefehle {
public:
    VeroeffentlichenBefehle(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern);
    ~VeroeffentlichenBefehle();

    void als_webseiten_speichern();
    void kalender_exportieren();

private:
    Sitzung& sitzung_;
    Dialoge& dialoge_;
    std::unique_ptr<WebseitenDialog> webseiten_dialog_;
    std::unique_ptr<KalenderDialog> kalender_dialog_;
};

} // namespace orbela
