QLabel { color: #102030; } /* Zoë */
