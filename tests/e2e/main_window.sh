# Where the main window's controls are, as client coordinates of their centres.
TEXT_MODE=(56 20)
FILE_MODE=(176 20)
INPUT=(176 42)
RESULT=(176 90)
CALCULATE=(224 124)
CANCEL=(296 123)
