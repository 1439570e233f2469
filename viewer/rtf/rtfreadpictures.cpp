// Pictures, the drawings that show one, and embedded objects.
#include "viewer/rtf/rtfdocumentreader.h"

namespace rtfread {

void Reader::openPicture(Word word, bool firstInGroup)
{
    State& st = current();
    switch (word) {
    case Word::Picture:
        if (st.destination == Destination::Text || st.destination == Destination::Shape
            || (st.destination == Destination::Skip && firstInGroup && keepDestination())) {
            st.destination = Destination::Picture;
            picture = RtfPicture{};
        } else {
            st.destination = Destination::Skip;
        }
        return;
    case Word::Drawing:
        if (st.destination == Destination::Text || (firstInGroup && keepDestination()))
            result.objects = true;
        st.destination = Destination::Skip;
        return;
    case Word::ShapePart:
        if (firstInGroup && parent().destination == Destination::Shape)
            st.destination = Destination::Shape;
        return;
    case Word::PictureKeeper:
        if (firstInGroup && keepDestination())
            st.destination = parent().destination;
        return;
    default: return;
    }
}

void Reader::pictureWord(Word word)
{
    State& st = current();
    switch (word) {
    case Word::Object: result.objects = true; return;
    case Word::Shape:
        if (st.destination == Destination::Text) {
            st.destination = Destination::Shape;
            picturesBeforeShape = pictureCount;
        } else {
            st.destination = Destination::Skip;
        }
        return;
    default: return;
    }
}

void Reader::finishPicture()
{
    flush();
    enterTables(current().tableDepth);
    formatParagraph();
    if (!picture.insertInto(document, cursor, ++pictureCount, pictureBudget))
        result.otherPictures = true;
    result.picturesNotShown = pictureBudget.notShown;
}

} // namespace rtfread
