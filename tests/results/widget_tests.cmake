# Widget tests of steps 3 and 4.
