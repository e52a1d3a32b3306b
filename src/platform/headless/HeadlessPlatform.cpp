// Placeholder: the headless front-end is being built.
