#pragma once

class EditorController;
class ImageController;
class QByteArray;
class QMimeData;

// What the image well takes when something is dropped on it: image data
// (one image), or image files ("jpg", "jpeg" or "png", exactly so). Nothing
// is taken while no song is selected; a folder or a file of another kind
// refuses the whole drop.
class ImageDrop
{
public:
    ImageDrop(ImageController &images, const EditorController &controller);

    // Whether a drag may be dropped: SOURCE_ALLOWS_COPY tells whether the
    // drag's source permits copying.
    bool handleDragging(const QMimeData &data, bool sourceAllowsCopy) const;
    // True when DATA is an acceptable drop; with ADD_IF_VALID its images are
    // added to the selected songs, in order.
    bool processPasteboard(const QMimeData &data, bool addIfValid) const;
    // The image data of a drag as stored: PNG and JPEG bytes as they are,
    // anything else (TIFF above all) converted to PNG. Empty without image data.
    static QByteArray imageBytes(const QMimeData &data);

private:
    ImageController &m_images;
    const EditorController &m_controller;
};
