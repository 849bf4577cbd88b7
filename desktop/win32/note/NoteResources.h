/* Resource ids of the reminder note and the alarm chime, for Note.rc and the code that loads them. */
#ifndef DOVETOCK_NOTE_RESOURCES_H
#define DOVETOCK_NOTE_RESOURCES_H

/* The chime, a WAV file (resource type "WAVE"). */
#define IDW_CHIME 175
/* The built-in note picture, a BMP file (RCDATA), shown when the skin folder's one is unusable. */
#define IDR_NOTE_PICTURE 174

#endif
