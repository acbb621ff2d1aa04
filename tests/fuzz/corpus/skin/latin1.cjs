QLabel { font-family: "Café"; }
